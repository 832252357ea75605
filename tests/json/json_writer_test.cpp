#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

#include "remote/json_writer.h"

namespace zorvat {
namespace {

using namespace std::string_literals;

TEST(JsonWriter, VirgullerVeIcIceYapilar) {
  JsonWriter w;
  w.BeginObject()
      .Key("a").Int(1)
      .Key("b").BeginArray().Int(1).Int(2).BeginObject().Key("c").Null().EndObject().EndArray()
      .Key("d").Bool(true)
      .Key("e").Bool(false)
      .Key("f").BeginObject().EndObject()
      .Key("g").BeginArray().BeginArray().EndArray().BeginArray().EndArray().EndArray()
      .EndObject();
  EXPECT_EQ(w.Text(), R"({"a":1,"b":[1,2,{"c":null}],"d":true,"e":false,"f":{},"g":[[],[]]})");
}

TEST(JsonWriter, TabloNesnesi) {
  JsonWriter w;
  w.BeginObject().Key("columns").BeginArray();
  w.BeginObject().Key("name").String("STOK_STOKNO").Key("type").String("int32").EndObject();
  w.BeginObject().Key("name").String("Döviz Tutar").Key("type").String("float").EndObject();
  w.EndArray().Key("rows").BeginArray();
  w.BeginArray().Int(101).Double(412.5).EndArray();
  w.BeginArray().Int(102).Null().EndArray();
  w.EndArray().EndObject();
  EXPECT_EQ(w.Text(),
            R"({"columns":[{"name":"STOK_STOKNO","type":"int32"},{"name":"Döviz Tutar","type":"float"}],)"
            R"("rows":[[101,412.5],[102,null]]})");
}

TEST(JsonWriter, HazirMetinBirDegerYerineGecer) {
  JsonWriter w;
  w.BeginObject().Key("result").BeginArray().Int(1).Raw(R"({"x":[2]})").Int(3).EndArray()
      .Key("y").Raw("null").EndObject();
  EXPECT_EQ(w.Text(), R"({"result":[1,{"x":[2]},3],"y":null})");
}

TEST(JsonWriter, TakeYaziciyiBosaltir) {
  JsonWriter w;
  w.BeginArray().Int(1).EndArray();
  EXPECT_EQ(w.Take(), "[1]");
  EXPECT_EQ(w.Text(), "");
  w.BeginArray().Int(2).EndArray();
  EXPECT_EQ(w.Take(), "[2]");
}

struct KacisDurumu {
  std::string metin;
  std::string beklenen;
};

class JsonStringTest : public ::testing::TestWithParam<KacisDurumu> {};

TEST_P(JsonStringTest, DegerVeAnahtar) {
  JsonWriter w;
  w.BeginObject().Key(GetParam().metin).String(GetParam().metin).EndObject();
  EXPECT_EQ(w.Text(), "{" + GetParam().beklenen + ":" + GetParam().beklenen + "}");
}

INSTANTIATE_TEST_SUITE_P(
    Metinler, JsonStringTest,
    ::testing::Values(KacisDurumu{"", R"("")"},
                      KacisDurumu{"düz metin", R"("düz metin")"},
                      KacisDurumu{R"(a"b)", R"("a\"b")"},
                      KacisDurumu{R"(C:\Users\)", R"("C:\\Users\\")"},
                      KacisDurumu{"\b\f\n\r\t", R"("\b\f\n\r\t")"},
                      KacisDurumu{"a\x01" "b\x1F" "c", R"("a\u0001b\u001fc")"},
                      KacisDurumu{"a\0b"s, R"("a\u0000b")"},
                      KacisDurumu{"satır1\r\nsatır2", R"("satır1\r\nsatır2")"},
                      // Not escaped: '/', DEL and every byte of UTF-8 text.
                      KacisDurumu{"http://x/y\x7F", "\"http://x/y\x7F\""},
                      KacisDurumu{"İSTANBUL ŞÇĞÜÖ ığüşöç", R"("İSTANBUL ŞÇĞÜÖ ığüşöç")"}));

TEST(JsonWriter, TamSayilar) {
  JsonWriter w;
  w.BeginArray().Int(0).Int(-1).Int(std::numeric_limits<std::int64_t>::min())
      .Int(std::numeric_limits<std::int64_t>::max()).EndArray();
  EXPECT_EQ(w.Text(), "[0,-1,-9223372036854775808,9223372036854775807]");
}

struct OndalikDurumu {
  double deger;
  const char* beklenen;
};

class JsonDoubleTest : public ::testing::TestWithParam<OndalikDurumu> {};

TEST_P(JsonDoubleTest, EnKisaMetinAyniSayiyiVerir) {
  JsonWriter w;
  w.Double(GetParam().deger);
  EXPECT_EQ(w.Text(), GetParam().beklenen);
  double okunan = 0;
  const auto sonuc = std::from_chars(w.Text().data(), w.Text().data() + w.Text().size(), okunan);
  ASSERT_EQ(sonuc.ec, std::errc());
  EXPECT_EQ(sonuc.ptr, w.Text().data() + w.Text().size());
  EXPECT_EQ(okunan, GetParam().deger);
  EXPECT_EQ(std::signbit(okunan), std::signbit(GetParam().deger));
}

INSTANTIATE_TEST_SUITE_P(
    Degerler, JsonDoubleTest,
    ::testing::Values(OndalikDurumu{100.0, "100"}, OndalikDurumu{0.0, "0"},
                      // The sign of zero is kept: it is the same double read back.
                      OndalikDurumu{-0.0, "-0"}, OndalikDurumu{0.1, "0.1"},
                      OndalikDurumu{0.1 + 0.2, "0.30000000000000004"},
                      OndalikDurumu{412.5, "412.5"}, OndalikDurumu{-1234.56, "-1234.56"},
                      OndalikDurumu{45678.75, "45678.75"},  // a day serial with a time
                      OndalikDurumu{1e300, "1e+300"}, OndalikDurumu{1e21, "1e+21"},
                      OndalikDurumu{5e-324, "5e-324"}, OndalikDurumu{DBL_MIN, "2.2250738585072014e-308"},
                      OndalikDurumu{DBL_MAX, "1.7976931348623157e+308"},
                      OndalikDurumu{2.0 / 3, "0.6666666666666666"}));

TEST(JsonWriter, SayiOlmayanDoubleYazilmaz) {
  for (const double deger : {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()}) {
    JsonWriter w;
    w.BeginArray().Int(1);
    EXPECT_THROW(w.Double(deger), std::domain_error);
    // Nothing of the refused value is left behind.
    w.Int(2).EndArray();
    EXPECT_EQ(w.Text(), "[1,2]");
  }
}

}  // namespace
}  // namespace zorvat
