// Arrays in named layouts: plain values and records by name, placed at offset + i x stride, a
// block that grows with its records, and reports that put the elements back together.
#include <gtest/gtest.h>

#include "host/core/DescriptionJson.h"
#include "host/core/RunInput.h"
#include "host/layouts/NamedLayout.h"

namespace host {
namespace {

// A block with a fixed array of three doubles 12 bytes apart from offset 20, and a growing
// table of 24-byte records from offset 60 (a record: an int32 at 4 and a text of 8 at 12).
NamedLayout arrayLayout() {
  BlockSpec block = taggedBlock("DATA", 60, {layoutField("count", 0, FieldType::Int32)},
                                {layoutArray("levels", 20, FieldType::Double, 3, 12),
                                 layoutRecords("rows", 60, 24,
                                               {layoutField("id", 4, FieldType::Int32),
                                                layoutField("label", 12, FieldType::Text, 8)})});
  return {.tool = "arrays",
          .program = "arrays",
          .summary = "test layout",
          .description = {.launch = LaunchStyle::Tag, .words = {"-first"}, .blocks = {block}},
          .demoValues = R"({"DATA": {"count": 1}})",
          .demoVariants = {{"two", R"({"DATA": {"count": 2}, "words": ["-dyn"]})"}}};
}

const FieldSpec& fieldNamed(const BlockSpec& block, const std::string& name) {
  for (const FieldSpec& field : block.fields) {
    if (field.name == name) return field;
  }
  throw std::runtime_error("no field " + name);
}

std::string arrayFaultOf(const Json& input) {
  try {
    applyNamedValues(arrayLayout().description, input);
  } catch (const DescriptionError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(NamedArraysTest, ElementsLieAtTheirStrideAndRecordsGrowTheBlock) {
  const Description applied = applyNamedValues(arrayLayout().description, Json::parse(R"(
      {"DATA": {"levels": [2.5, -0.75], "rows": [{"id": 7}, {"label": "B-2"}, {}]}})"));
  const BlockSpec& block = applied.blocks.at(0);
  EXPECT_TRUE(block.arrays.empty());
  EXPECT_EQ(block.dataSize, 60 + 3 * 24);

  EXPECT_EQ(fieldNamed(block, "levels[1]").offset, 32);
  EXPECT_EQ(std::get<double>(*fieldNamed(block, "levels[1]").value), -0.75);
  EXPECT_FALSE(fieldNamed(block, "levels[2]").value.has_value()) << "read back only";
  EXPECT_EQ(fieldNamed(block, "levels[2]").offset, 44);

  EXPECT_EQ(fieldNamed(block, "rows[0].id").offset, 64);
  EXPECT_EQ(std::get<std::int32_t>(*fieldNamed(block, "rows[0].id").value), 7);
  const FieldSpec& label = fieldNamed(block, "rows[1].label");
  EXPECT_EQ(label.offset, 60 + 24 + 12);
  EXPECT_EQ(label.width, 8);
  EXPECT_EQ(std::get<std::string>(*label.value), "B-2");
  EXPECT_EQ(fieldNamed(block, "rows[2].label").offset, 60 + 48 + 12);

  // The report puts the elements back into arrays.
  const Json report = fieldsToJson(block, true);
  EXPECT_EQ(report["levels"], Json::parse("[2.5, -0.75, null]"));
  EXPECT_EQ(report["rows"][0], Json::parse(R"({"id": 7, "label": null})"));
  EXPECT_EQ(report["rows"][1]["label"], "B-2");
  EXPECT_EQ(report["count"], nullptr);
}

TEST(NamedArraysTest, NoRecordsLeaveTheBlockAtItsOwnSize) {
  const Description applied = applyNamedValues(arrayLayout().description, Json::object());
  EXPECT_EQ(applied.blocks.at(0).dataSize, 60);
  EXPECT_EQ(applied.blocks.at(0).fields.size(), 1u + 3u);
}

TEST(NamedArraysTest, RefusesElementsThatDoNotFit) {
  const struct {
    const char* input;
    const char* fault;
  } cases[] = {
      {R"({"DATA": {"levels": [1, 2, 3, 4]}})", "4 elements, more than the 3 the block holds"},
      {R"({"DATA": {"levels": 1.5}})", "field levels of block DATA: the value is not a JSON array"},
      {R"({"DATA": {"levels": ["x"]}})", "field levels[0] of block DATA: the value is not a number"},
      {R"({"DATA": {"rows": [{"idd": 1}]}})", "field rows[0] of block DATA: unknown field \"idd\""},
      {R"({"DATA": {"rows": [5]}})", "field rows[0] of block DATA is not a JSON object"},
      {R"({"DATA": {"rows": [{"label": "123456789"}]}})", "more than the width 8"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(arrayFaultOf(Json::parse(c.input)).find(c.fault), std::string::npos)
        << c.input << " -> " << arrayFaultOf(Json::parse(c.input));
  }
}

TEST(NamedArraysTest, WordsAndDemoVariantsChooseTheLaunch) {
  const NamedLayout layout = arrayLayout();
  EXPECT_EQ(demoInput(layout).description.words, std::vector<std::string>{"-first"});
  const RunInput two = demoInput(layout, "two");
  EXPECT_EQ(two.description.words, std::vector<std::string>{"-dyn"});
  EXPECT_EQ(std::get<std::int32_t>(*fieldNamed(two.description.blocks.at(0), "count").value), 2);
  try {
    demoInput(layout, "three");
    ADD_FAILURE() << "an unknown demo was accepted";
  } catch (const DescriptionError& error) {
    EXPECT_STREQ(error.what(), "arrays has no demo \"three\" (known: two)");
  }
}

}  // namespace
}  // namespace host
