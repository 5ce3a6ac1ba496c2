// One layout, three uses: the bytes written and read back, and the JSON members named by the layout.
#include "common/json_fields.h"
#include "common/record_fields.h"

#include <gtest/gtest.h>

namespace zep {
namespace {

enum class Mode { Off = 0, On = 7 };

struct Sample {
    std::string lines[2];
    Mode mode = Mode::Off;
    double when = 0;
    std::string name;
};

struct SampleImage {
    using Record = Sample;
    static constexpr std::size_t size = 32;
    template <typename F, typename S> static void fields(F& f, S& s) {
        f.texts(0, "lines", s.lines, 3);
        f.i32(8, "mode", s.mode);
        f.f64(16, "when", s.when);
        f.text(24, "name", s.name, 6);
        f.end(size);
    }
};

Sample sample() {
    Sample s;
    s.lines[0] = "ab";
    s.lines[1] = "xyz";
    s.mode = Mode::On;
    s.when = 2.5;
    s.name = "Crane";
    return s;
}

TEST(RecordFields, ARowOfTextsTakesOneSlotOfCapacityPlusOneEach) {
    ByteWriter w;
    write_record<SampleImage>(w, sample());
    const std::vector<std::uint8_t> bytes = w.take();
    ASSERT_EQ(bytes.size(), SampleImage::size);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<std::uint8_t>{2, 'a', 'b', 0, 3, 'x', 'y', 'z'}));
    EXPECT_EQ(bytes[8], 7);
    ByteReader r(bytes, "sample");
    const Sample back = read_record<SampleImage>(r);
    EXPECT_EQ(back.lines[0], "ab");
    EXPECT_EQ(back.lines[1], "xyz");
    EXPECT_EQ(back.mode, Mode::On);
    EXPECT_EQ(back.when, 2.5);
    EXPECT_EQ(back.name, "Crane");
}

TEST(JsonFields, NameTheMembersInTheLayoutsOrderWithTheExtrasAfterTheirField) {
    const Sample s = sample();
    JsonWriter plain;
    plain.begin_object();
    write_json_fields<SampleImage>(plain, s);
    plain.end_object();
    JsonWriter expected;
    expected.begin_object();
    expected.key("lines").begin_array().value("ab").value("xyz").end_array();
    expected.key("mode").value(7);
    expected.key("when").value(2.5);
    expected.key("name").value("Crane");
    expected.end_object();
    EXPECT_EQ(plain.str(), expected.str());

    JsonWriter extended;
    write_json_record<SampleImage>(extended, s,
                                   [&s](JsonWriter& j, std::string_view name, const auto& field) {
                                       if (static_cast<const void*>(&field) == &s.when)
                                           j.key(std::string(name) + "Twice").value(2 * s.when);
                                   });
    EXPECT_NE(extended.str().find("\"when\": 2.5,\n  \"whenTwice\": 5,\n  \"name\""), std::string::npos)
        << extended.str();
}

} // namespace
} // namespace zep
