// The image menu's version code, theme test, template walk and mnemonics.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/ImageMenuRules.h"

namespace {

TEST(MenuVersionCode, NamesTheSystems) {
  struct Case {
    bool nt;
    int major;
    int minor;
    int code;
  } cases[] = {
      {false, 3, 95, 0}, {false, 4, 0, 2}, {false, 4, 3, 2},  {false, 4, 10, 3},
      {false, 4, 90, 4}, {true, 4, 0, 5},  {true, 5, 0, 6},   {true, 5, 1, 7},
      {true, 5, 2, 1},   {true, 6, 1, 1},  {true, 10, 0, 1},  {true, 3, 51, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuVersionCode(c.nt, c.major, c.minor), c.code)
        << (c.nt ? "NT " : "9x ") << c.major << "." << c.minor;
  }
}

TEST(IsClassicThemeValue, EndsInTheClassicThemeWithoutRegardToCase) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme", true},
      {"c:\\x\\WINDOWS CLASSIC.THEME", true},
      {"Windows Classic.theme", true},
      {"C:\\Themes\\Luna.theme", false},
      {"Windows Classic.theme.bak", false},
      {"", false},
  };
  for (const auto& [value, classic] : cases) {
    EXPECT_EQ(IsClassicThemeValue(value, 260), classic) << value;
  }
  EXPECT_FALSE(IsClassicThemeValue(nullptr, 260));
}

TEST(IsClassicThemeValue, AValueThatFillsTheBufferIsTooLong) {
  std::string value(260, 'x');
  std::memcpy(value.data() + 260 - 21, "Windows Classic.theme", 21);
  // Unterminated: never read past the 260 bytes, and not classic.
  EXPECT_FALSE(IsClassicThemeValue(value.data(), 260));
  value[259] = '\0';
  EXPECT_FALSE(IsClassicThemeValue(value.data(), 260));
  std::string fits = std::string(200, 'x') + "Windows Classic.theme";
  EXPECT_TRUE(IsClassicThemeValue(fits.c_str(), 260));
}

// A menu template built word by word.
class TemplateBytes {
 public:
  TemplateBytes() { Word(0).Word(0); }
  TemplateBytes& Word(uint16_t w) {
    bytes.push_back(static_cast<uint8_t>(w & 0xFF));
    bytes.push_back(static_cast<uint8_t>(w >> 8));
    return *this;
  }
  TemplateBytes& Text(const std::u16string& text) {
    for (char16_t c : text) Word(c);
    return Word(0);
  }
  TemplateBytes& Item(uint16_t flags, uint16_t id, const std::u16string& text) {
    return Word(flags).Word(id).Text(text);
  }
  TemplateBytes& Popup(uint16_t flags, const std::u16string& text) {
    return Word(static_cast<uint16_t>(flags | kMenuPopup)).Text(text);
  }
  std::vector<uint8_t> bytes;
};

TEST(ParseMenuTemplate, WalksItemsAndPopups) {
  TemplateBytes t;
  t.Popup(0, u"&File")
      .Item(0, 100, u"&Open")
      .Item(0x800, 0, u"")  // separator
      .Item(kMenuEnd, 101, u"E&xit")
      .Popup(kMenuEnd, u"&Help")
      .Item(kMenuEnd, 200, u"&About");
  std::vector<MenuTemplateItem> items;
  ASSERT_TRUE(ParseMenuTemplate(t.bytes.data(), t.bytes.size(), items));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, u"&File");
  ASSERT_EQ(items[0].children.size(), 3u);
  EXPECT_EQ(items[0].children[0].id, 100);
  EXPECT_EQ(items[0].children[1].flags, 0x800);
  EXPECT_EQ(items[0].children[2].text, u"E&xit");
  EXPECT_EQ(items[0].children[2].flags, 0);  // MF_END is taken out
  EXPECT_EQ(items[1].flags, kMenuPopup);
  ASSERT_EQ(items[1].children.size(), 1u);
  EXPECT_EQ(items[1].children[0].id, 200);
}

TEST(ParseMenuTemplate, APopupThatEndsItsLevelEndsItForItsParentToo) {
  TemplateBytes t;
  t.Popup(kMenuEnd, u"Tray")
      .Item(0, 1, u"Show")
      .Popup(kMenuEnd, u"More")  // the last item of "Tray" is a popup
      .Item(kMenuEnd, 2, u"Deep");
  std::vector<MenuTemplateItem> items;
  ASSERT_TRUE(ParseMenuTemplate(t.bytes.data(), t.bytes.size(), items));
  ASSERT_EQ(items.size(), 1u);
  ASSERT_EQ(items[0].children.size(), 2u);
  ASSERT_EQ(items[0].children[1].children.size(), 1u);
  EXPECT_EQ(items[0].children[1].children[0].text, u"Deep");
}

TEST(ParseMenuTemplate, RefusesCutOrForeignTemplates) {
  TemplateBytes t;
  t.Popup(kMenuEnd, u"Tray").Item(0, 1, u"Show");  // no MF_END in the popup
  std::vector<MenuTemplateItem> items;
  EXPECT_FALSE(ParseMenuTemplate(t.bytes.data(), t.bytes.size(), items));
  EXPECT_TRUE(items.empty());
  TemplateBytes extended;
  extended.bytes[0] = 1;  // an extended template
  extended.Item(kMenuEnd, 1, u"x");
  EXPECT_FALSE(ParseMenuTemplate(extended.bytes.data(), extended.bytes.size(), items));
  EXPECT_FALSE(ParseMenuTemplate(t.bytes.data(), 3, items));
  // The header's offset is skipped.
  TemplateBytes offset;
  offset.bytes[2] = 2;
  offset.Word(0xBEEF).Item(kMenuEnd, 7, u"x");
  ASSERT_TRUE(ParseMenuTemplate(offset.bytes.data(), offset.bytes.size(), items));
  EXPECT_EQ(items[0].id, 7);
}

TEST(ParseToolbarTemplate, ReadsTheImageSizeAndTheButtonIds) {
  const std::vector<uint8_t> bytes = {1, 0, 16, 0, 15, 0, 3, 0, 0x36, 1, 0, 0, 0x38, 1};
  ToolbarTemplate toolbar;
  ASSERT_TRUE(ParseToolbarTemplate(bytes.data(), bytes.size(), toolbar));
  EXPECT_EQ(toolbar.imageWidth, 16);
  EXPECT_EQ(toolbar.imageHeight, 15);
  EXPECT_EQ(toolbar.ids, (std::vector<uint16_t>{310, 0, 312}));
  // Cut short, or another version.
  EXPECT_FALSE(ParseToolbarTemplate(bytes.data(), bytes.size() - 1, toolbar));
  EXPECT_TRUE(toolbar.ids.empty());
  std::vector<uint8_t> other = bytes;
  other[0] = 2;
  EXPECT_FALSE(ParseToolbarTemplate(other.data(), other.size(), toolbar));
  EXPECT_FALSE(ParseToolbarTemplate(bytes.data(), 4, toolbar));
}

TEST(FindMnemonic, FirstItemWithTheMarkedLetterInAnyCase) {
  std::vector<std::u16string> texts{u"&Open", u"Save &As", u"E&xit", u"&another"};
  EXPECT_EQ(FindMnemonic(texts, u'o'), 0);
  EXPECT_EQ(FindMnemonic(texts, u'O'), 0);
  EXPECT_EQ(FindMnemonic(texts, u'a'), 1);  // the first by position wins
  EXPECT_EQ(FindMnemonic(texts, u'X'), 2);
  EXPECT_EQ(FindMnemonic(texts, u'q'), -1);
  EXPECT_EQ(FindMnemonic({}, u'a'), -1);
}

}  // namespace
