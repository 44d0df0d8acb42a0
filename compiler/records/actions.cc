// The action dispatcher: one record per usable "action", action id stamped, scrambled, written.
#include <new>

#include "compiler/definition/readers.h"
#include "compiler/frame/maker.h"
#include "compiler/log.h"
#include "compiler/records/action_table.h"
#include "compiler/records/layout.h"

namespace vmx {
namespace {

std::optional<Record> build(const ActionKind& kind, const TiXmlElement& action) {
  if (!kind.build) return new_record(kFrameSize, kind.type);
  std::optional<Record> record = kind.build(action);
  // "round2" is the "round" record under its own type id; stamping the table's id keeps one rule
  // for every kind.
  if (record) put_i32(*record, 8, kind.type);
  return record;
}

}  // namespace

int CZUVUzedu::parser_actions(FrameFile& file, const TiXmlElement& actions) {
  int written = 0;
  for (const TiXmlElement* a = actions.FirstChildElement("action"); a;
       a = a->NextSiblingElement("action")) {
    const char* name = AttrText(*a, "name", "");
    if (*name == '\0') {
      log_message("parser_actions: action name isn't empty!");
      continue;
    }
    int32_t id = AttrInt(*a, "id", 0);
    if (id == 0) {
      log_message("parser_actions: action id isn't zero!(%s, zero)", name);
      continue;
    }
    const ActionKind* kind = find_action(name);
    if (!kind) {
      log_message("parser_actions: invalid action name(%s)!\n", name);
      continue;
    }
    std::optional<Record> record;
    try {
      record = build(*kind, *a);
    } catch (const std::bad_alloc&) {
      // A definition can ask for a record larger than memory; that action is skipped.
      log_message("parser_actions: out of memory for action(%s)!\n", name);
      continue;
    }
    if (!record) continue;
    put_i32(*record, 4, id);
    scramble(std::span(record->data() + 4, record->size() - 4));
    file.write(*record);
    ++written;
  }
  return written;
}

}  // namespace vmx
