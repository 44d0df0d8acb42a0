// Test helpers for the action builders: run a builder on an "action" element given as XML,
// capturing what it logs, and show records as hex for readable failures.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "compiler/records/action_table.h"
#include "compiler/records/bytes.h"
#include "compiler/testing/support.h"

namespace vmx::testing {

struct Built {
  std::optional<Record> record;
  std::string log;
};

// Runs `builder` on "<action>" + body + "</action>".
inline Built build(Builder builder, const std::string& body) {
  auto doc = parse("<action>" + body + "</action>");
  ::testing::internal::CaptureStdout();
  std::optional<Record> record = builder(root(*doc));
  return {std::move(record), ::testing::internal::GetCapturedStdout()};
}

inline std::string hex(const Record& bytes) {
  std::string out;
  char cell[4];
  for (uint8_t b : bytes) {
    std::snprintf(cell, sizeof cell, "%02X ", b);
    out += cell;
  }
  return out;
}

// A record and the bytes it must hold, one comment per field where the vector is written.
struct Golden {
  const char* what;
  Builder builder;
  std::string body;
  Record bytes;
};

inline void expect_golden(const Golden& g) {
  SCOPED_TRACE(g.what);
  Built b = build(g.builder, g.body);
  ASSERT_TRUE(b.record.has_value());
  EXPECT_EQ(hex(*b.record), hex(g.bytes));
  EXPECT_EQ(b.log, "");
}

// Records whose one field is an int32 at 12, with the child it is read from and its default.
struct OneInt {
  Builder builder;
  const char* child;
  int32_t type;
  int32_t size;
  int32_t dflt;
};

inline void expect_one_int(const OneInt& c) {
  SCOPED_TRACE(c.child);
  for (bool given : {false, true}) {
    Built b = build(c.builder, given ? std::string("<") + c.child + ">-70000</" + c.child + ">"
                                     : "<other>5</other>");
    ASSERT_TRUE(b.record.has_value());
    const Record& r = *b.record;
    ASSERT_EQ(r.size(), size_t(c.size));
    EXPECT_EQ(get_i32(r, 0), c.size);
    EXPECT_EQ(get_i32(r, 4), 0);
    EXPECT_EQ(get_i32(r, 8), c.type);
    EXPECT_EQ(get_i32(r, 12), given ? -70000 : c.dflt);
    for (size_t i = 16; i < r.size(); ++i) EXPECT_EQ(r[i], 0) << "byte " << i;
  }
}

}  // namespace vmx::testing
