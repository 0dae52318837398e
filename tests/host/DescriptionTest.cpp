#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "host/core/DescriptionJson.h"
#include "host/core/RunInput.h"
#include "host/layouts/Layouts.h"

namespace host {
namespace {

Json oneBlock(Json fields, std::int64_t dataSize = 32) {
  return {{"launch", "tag"},
          {"blocks", Json::array({{{"tag", "DATA"}, {"dataSize", dataSize}, {"fields", fields}}})}};
}

// The message of the DescriptionError that parsing `json` throws.
std::string faultOf(const Json& json) {
  try {
    parseDescription(json);
  } catch (const DescriptionError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(DescriptionTest, ParsesEveryTypeWithItsDefaults) {
  const Description description = parseDescription(oneBlock(Json::array({
      {{"offset", 0}, {"type", "int32"}, {"value", -7}},
      {{"offset", 8}, {"type", "double"}, {"value", 1.5}},
      {{"offset", 16}, {"type", "text"}, {"width", 8}, {"value", "abc"}},
      {{"offset", 24}, {"type", "bytes"}, {"value", "00fF10"}},
      {{"name", "later"}, {"offset", 28}, {"type", "int32"}},
  })));
  const BlockSpec& block = description.blocks.at(0);
  EXPECT_EQ(block.kind, "SM");  // the kind defaults to shared memory
  ASSERT_EQ(block.fields.size(), 5u);
  EXPECT_EQ(std::get<std::int32_t>(*block.fields[0].value), -7);
  EXPECT_EQ(block.fields[1].width, 8);
  EXPECT_EQ(std::get<std::string>(*block.fields[2].value), "abc");
  EXPECT_EQ(std::get<std::string>(*block.fields[3].value), std::string("\x00\xff\x10", 3));
  EXPECT_EQ(block.fields[3].width, 3);  // a bytes field is as wide as its value by default
  EXPECT_EQ(block.fields[4].name, "later");
  EXPECT_FALSE(block.fields[4].value.has_value());
}

TEST(DescriptionTest, KeyStyleTakesOneBlockWithoutTagAndTheExtraWords) {
  const Description description = parseDescription(
      {{"launch", "key"}, {"words", {"-stat"}}, {"blocks", Json::array({{{"dataSize", 8}}})}});
  EXPECT_EQ(description.launch, LaunchStyle::Key);
  EXPECT_EQ(description.words, std::vector<std::string>{"-stat"});
  EXPECT_TRUE(description.blocks.at(0).tag.empty());

  EXPECT_NE(faultOf({{"launch", "key"}, {"blocks", Json::array({{{"dataSize", 8}}, {{"dataSize", 8}}})}}),
            "(accepted)");
  EXPECT_NE(faultOf({{"launch", "key"}, {"blocks", Json::array({{{"tag", "DATA"}, {"dataSize", 8}}})}}),
            "(accepted)");
}

TEST(DescriptionTest, OverlappingFieldsAreAccepted) {
  EXPECT_EQ(faultOf(oneBlock(Json::array({{{"offset", 0}, {"type", "double"}, {"value", 1.0}},
                                          {{"offset", 4}, {"type", "int32"}, {"value", 2}}}))),
            "(accepted)");
}

TEST(DescriptionTest, RefusesBadDescriptionsNamingThePlace) {
  struct Case {
    Json json;
    const char* expected;
  };
  const Case cases[] = {
      {oneBlock(Json::array({{{"offset", 0}, {"type", "float"}}})), "unknown type \"float\""},
      {oneBlock(Json::array({{{"offset", 30}, {"type", "int32"}}})),
       "field 0 (offset 30) of block 0 (tag DATA): bytes 30 to 33 lie outside the data size 32"},
      {oneBlock(Json::array(), -1), "negative data size"},
      {oneBlock(Json::array(), kMaxDataSize + 1), "larger than the host's limit"},
      {oneBlock(Json::array({{{"offset", -4}, {"type", "int32"}}})), "negative offset"},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "text"}, {"value", "x"}}})), "needs a \"width\""},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "text"}, {"width", 2}, {"value", "abc"}}})),
       "the value has 3 bytes, more than the width 2"},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "int32"}, {"value", 2147483648LL}}})), "not an int32"},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "int32"}, {"value", 1.5}}})), "not an int32"},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "double"}, {"width", 4}}})), "8 bytes wide, not 4"},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "bytes"}, {"value", "abc"}}})),
       "odd number of hex digits"},
      {oneBlock(Json::array({{{"offset", 0}, {"type", "bytes"}, {"value", "zz"}}})), "not a hex byte string"},
      {oneBlock(Json::array({{{"ofset", 0}, {"type", "int32"}}})), "unknown key \"ofset\""},
      {{{"launch", "tag"}, {"blocks", Json::array({{{"dataSize", 8}}})}}, "\"tag\" is missing"},
      {{{"launch", "tag"}, {"blocks", Json::array({{{"tag", "A:B"}, {"dataSize", 8}}})}},
       "contains ':' or '/'"},
      {{{"launch", "tag"}, {"blocks", Json::array()}}, "no block"},
      {{{"launch", "pipe"}, {"blocks", Json::array()}}, "unknown launch \"pipe\""},
      {Json::array(), "is not a JSON object"},
  };
  for (const Case& test : cases) {
    EXPECT_NE(faultOf(test.json).find(test.expected), std::string::npos)
        << test.json.dump() << " -> " << faultOf(test.json);
  }
}

// A field may end exactly at the end of the data area; one byte further is refused.
TEST(DescriptionTest, AFieldMayEndAtTheDataSizeButNotOneBytePast) {
  struct Case {
    Json field;
    bool accepted;
  };
  const Case cases[] = {
      {{{"offset", 36}, {"type", "int32"}}, true},
      {{{"offset", 37}, {"type", "int32"}}, false},
      {{{"offset", 32}, {"type", "double"}, {"value", 0.5}}, true},
      {{{"offset", 33}, {"type", "double"}}, false},
      {{{"offset", 29}, {"type", "text"}, {"width", 11}, {"value", "abc"}}, true},
      {{{"offset", 29}, {"type", "text"}, {"width", 12}}, false},
      {{{"offset", 37}, {"type", "bytes"}, {"value", "a1b2c3"}}, true},
      {{{"offset", 38}, {"type", "bytes"}, {"value", "a1b2c3"}}, false},
      {{{"offset", 40}, {"type", "bytes"}, {"width", 1}}, false},
  };
  for (const Case& test : cases) {
    const std::string fault = faultOf(oneBlock(Json::array({test.field}), 40));
    if (test.accepted) {
      EXPECT_EQ(fault, "(accepted)") << test.field.dump();
    } else {
      EXPECT_NE(fault.find("lie outside the data size 40"), std::string::npos)
          << test.field.dump() << " -> " << fault;
    }
  }
}

// The last byte of a field far too wide is named as it is, past the int64 range.
TEST(DescriptionTest, AFieldWiderThanAnyBlockIsRefusedNamingItsLastByte) {
  const Json field = {{"offset", 30}, {"type", "bytes"}, {"width", std::numeric_limits<std::int64_t>::max()}};
  EXPECT_NE(faultOf(oneBlock(Json::array({field}))).find("bytes 30 to 9223372036854775836 lie outside"),
            std::string::npos)
      << faultOf(oneBlock(Json::array({field})));
}

TEST(DescriptionTest, RawFormReadsBackToTheSameDescription) {
  const Json raw = oneBlock(Json::array({{{"name", "n"}, {"offset", 0}, {"type", "int32"}, {"value", 3}},
                                         {{"offset", 4}, {"type", "text"}, {"width", 12}, {"value", "x"}},
                                         {{"offset", 16}, {"type", "bytes"}, {"width", 4}}}));
  const Json again = toRawJson(parseDescription(raw));
  EXPECT_EQ(toRawJson(parseDescription(again)), again);
  EXPECT_EQ(again["blocks"][0]["fields"][1]["value"], "x");
  EXPECT_EQ(again["blocks"][0]["fields"][0]["name"], "n");
}

TEST(DescriptionTest, NamedValuesFillTheLayoutAndRefuseUnknownNames) {
  const NamedLayout* layout = findLayout("probe");
  ASSERT_NE(layout, nullptr);
  const RunInput input = interpretInput(Json::parse(R"({"DATA": {"input": 9}})"), layout, "probe");
  EXPECT_TRUE(input.fieldsByName);
  const auto& fields = input.description.blocks.at(0).fields;
  const auto named = std::find_if(fields.begin(), fields.end(),
                                  [](const FieldSpec& field) { return field.name == "input"; });
  ASSERT_NE(named, fields.end());
  EXPECT_EQ(std::get<std::int32_t>(*named->value), 9);

  EXPECT_THROW(interpretInput(Json::parse(R"({"DATA": {"inptu": 9}})"), layout, "probe"), DescriptionError);
  EXPECT_THROW(interpretInput(Json::parse(R"({"INFO": {}})"), layout, "probe"), DescriptionError);
  EXPECT_THROW(interpretInput(Json::parse(R"({"DATA": {"input": "nine"}})"), layout, "probe"),
               DescriptionError);
  // Without a layout only the raw form is understood.
  EXPECT_THROW(interpretInput(Json::parse(R"({"DATA": {}})"), nullptr, "mystery"), DescriptionError);
}

TEST(DescriptionTest, EveryLayoutIsValidWithNamedFieldsAndUsableDemoData) {
  for (const NamedLayout& layout : allLayouts()) {
    SCOPED_TRACE(layout.tool);
    EXPECT_NO_THROW(validate(layout.description));
    for (const BlockSpec& block : layout.description.blocks) {
      EXPECT_FALSE(block.name.empty());
      for (const FieldSpec& field : block.fields) EXPECT_FALSE(field.name.empty());
    }
    EXPECT_NO_THROW(demoInput(layout));
    for (const DemoVariant& variant : layout.demoVariants) {
      EXPECT_NO_THROW(demoInput(layout, variant.name)) << variant.name;
    }
    EXPECT_EQ(findLayout(layout.program), &layout);
  }
}

}  // namespace
}  // namespace host
