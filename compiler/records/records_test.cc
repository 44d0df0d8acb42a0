// Element records and the action dispatcher, read back from the file they write.
#include <gtest/gtest.h>

#include <set>

#include "compiler/frame/maker.h"
#include "compiler/records/action_table.h"
#include "compiler/records/bytes.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

struct Written {
  std::vector<uint8_t> bytes;  // unscrambled after each size word
  size_t count;
  std::string log;
};

// Runs one of the maker's record writers on `xml` (the "elements" or "actions" element).
template <typename Writer>
Written write_records(const std::string& xml, Writer writer) {
  testing::TempDir dir;
  auto doc = testing::parse(xml);
  auto file = FrameFile::create(dir / "records");
  ::testing::internal::CaptureStdout();
  CZUVUzedu maker(0, 0);
  ::testing::internal::GetCapturedStdout();
  ::testing::internal::CaptureStdout();
  size_t count = static_cast<size_t>(writer(maker, *file, testing::root(*doc)));
  std::string log = ::testing::internal::GetCapturedStdout();
  EXPECT_TRUE(file->close());
  std::vector<uint8_t> bytes = testing::read_bytes(dir / "records");
  for (size_t at = 0; at + 4 <= bytes.size();) {
    size_t size = get_u32(bytes, at);
    bytes = testing::unscrambled(bytes, at + 4, at + size);
    at += size;
  }
  return {bytes, count, log};
}

Written elements(const std::string& body) {
  return write_records("<elements>" + body + "</elements>",
                       [](CZUVUzedu& m, FrameFile& f, const TiXmlElement& e) {
                         return m.parser_vxf_elements(f, e);
                       });
}

Written actions(const std::string& body) {
  return write_records("<actions>" + body + "</actions>",
                       [](CZUVUzedu& m, FrameFile& f, const TiXmlElement& e) {
                         return m.parser_actions(f, e);
                       });
}

std::vector<int32_t> ids_of(const std::vector<uint8_t>& record) {
  std::vector<int32_t> ids;
  for (size_t at = 36; at + 4 < record.size(); at += 4) ids.push_back(get_i32(record, at));
  return ids;
}

TEST(ElementRecords, ActionListRules) {
  const std::string bad = "parser_vxf_elements: used invalid action id!\n";
  std::string ids250, zeros = std::string(48, '0') + "12";
  for (int i = 1; i <= 250; ++i) ids250 += std::to_string(i) + ",";
  const struct {
    std::string list;
    std::vector<int32_t> ids;
    std::string log;
  } cases[] = {
      {"", {}, ""},
      {"3,7,12", {3, 7, 12}, ""},
      {"3,0,5", {3}, bad},
      {"0", {}, bad},
      {"x1", {}, bad},
      {"4,,6", {4}, bad},
      {",4", {}, bad},
      {"4,6,", {4, 6}, ""},
      {"5, -2", {5, -2}, ""},
      {zeros + ",9", {1, 9}, ""},  // only the first 49 characters of a token count
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    Written w = elements("<element width='1' height='1' actions='" + c.list + "'/>");
    ASSERT_EQ(w.count, 1u);
    EXPECT_EQ(get_i32(w.bytes, 0), int32_t(40 + 4 * c.ids.size()));
    ASSERT_EQ(w.bytes.size(), 40 + 4 * c.ids.size());
    EXPECT_EQ(ids_of(w.bytes), c.ids);
    EXPECT_EQ(get_i32(w.bytes, w.bytes.size() - 4), 0);
    EXPECT_EQ(w.log, c.log);
  }
  Written many = elements("<element width='1' height='1' actions='" + ids250 + "'/>");
  EXPECT_EQ(many.bytes.size(), 840u);
  EXPECT_EQ(ids_of(many.bytes).back(), 200);
  EXPECT_EQ(many.log, "");
}

TEST(ElementRecords, FieldsDefaultsAndRejectedGeometry) {
  Written w = elements(
      "<element width='0' height='120'/>"
      "<element left='-3' top='4' width='-5' height='6' frame_index='7' frame_delay='8' "
      "first_op='9' photo_index=''/>"
      "<other width='1' height='1'/>"
      "<element width='1' height='1'/>");
  EXPECT_EQ(w.log, "parser_elements: invalid width & height!(0x120)\n");
  ASSERT_EQ(w.count, 2u);
  ASSERT_EQ(w.bytes.size(), 80u);  // the second record follows the first directly
  const int32_t expected[] = {40, 0, 7, 8, 9, -3, 4, -5, 6, 0};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(get_i32(w.bytes, 4 * i), expected[i]) << i;
  EXPECT_EQ(get_i32(w.bytes, 44), -1);  // absent photo_index
  EXPECT_EQ(get_i32(w.bytes, 48), 0);
}

TEST(ActionDispatch, NamesIdsAndMessages) {
  Written w = actions(
      "<action id='1'/>"                                   // no name
      "<action name='negative'/>"                          // no id
      "<action name='negative' id='abc'/>"
      "<action name='negative' id='0'/>"
      "<action name='noise' id='2'/>"
      "<action name='NEGATIVE' id='-5'><level>3</level></action>"
      "<action name='flip' id='7x'/>"
      "<action name='flip' id='7'/>"
      "<other name='flip' id='8'/>");
  EXPECT_EQ(w.log,
            "parser_actions: action name isn't empty!"
            "parser_actions: action id isn't zero!(negative, zero)"
            "parser_actions: action id isn't zero!(negative, zero)"
            "parser_actions: action id isn't zero!(negative, zero)"
            "parser_actions: invalid action name(noise)!\n");
  ASSERT_EQ(w.count, 3u);
  ASSERT_EQ(w.bytes.size(), 36u);
  const int32_t expected[] = {12, -5, 14, 12, 7, 30, 12, 7, 30};
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(get_i32(w.bytes, 4 * i), expected[i]) << i;
}

TEST(ActionDispatch, NoActionsWritesNothing) {
  Written w = actions("<!-- none -->");
  EXPECT_EQ(w.count, 0u);
  EXPECT_TRUE(w.bytes.empty());
  EXPECT_EQ(w.log, "");
}

TEST(ActionTable, FiftyNineDistinctNamesAndTypeIds) {
  auto kinds = action_kinds();
  ASSERT_EQ(kinds.size(), 59u);
  std::set<int32_t> types;
  for (const ActionKind& k : kinds) {
    EXPECT_TRUE(types.insert(k.type).second) << k.name;
    EXPECT_TRUE(k.type >= 1 && k.type <= 63 && k.type != 36 && k.type != 37 && k.type != 38 &&
                k.type != 57)
        << k.name;
    EXPECT_EQ(find_action(k.name), &k);
  }
  EXPECT_EQ(find_action("Gaussian_Blur")->type, 24);
  EXPECT_EQ(find_action("noise"), nullptr);
  EXPECT_EQ(find_action("nosie")->type, 21);
}

}  // namespace
}  // namespace vmx
