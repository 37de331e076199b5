#include "GalleryFixture.h"

namespace {

using gallery_test::GalleryFixture;

// n specialties named 01_专业A, 02_专业B, ..., each with one category, all switched on.
std::string specialties(int n) {
  std::string index;
  for (int i = 0; i < n; ++i) {
    std::string name = "0" + std::to_string(i + 1) + "_专业" + std::string(1, char('A' + i));
    index += "<Folder name=\"s" + std::to_string(i) + "\" local=\"" + name + "\"><Num>" + std::to_string(i) +
             "</Num><Parent name=\"c\" local=\"类" + std::to_string(i) + "\"></Parent></Folder>\n";
  }
  return index;
}

class TabPaging : public GalleryFixture {
protected:
  void startWith(int count) {
    library.writeIndex(specialties(count));
    library.writeSelection(std::u16string(size_t(count), u'1'));
    start();
  }
  std::vector<std::u16string> tabs() const {
    std::vector<std::u16string> out;
    for (const auto& label : view.tabs) out.push_back(label ? *label : u"-");
    return out;
  }
};

TEST_F(TabPaging, NineSpecialtiesShowZeroToFourThenFourToEight) {
  startWith(9);
  EXPECT_EQ(tabs(), (std::vector<std::u16string>{u"【  专业A 】", u"【  专业B 】", u"【  专业C 】", u"【  专业D 】",
                                                 u"【  专业E 】"}));
  model->nextTabPage();
  EXPECT_EQ(tabs(), (std::vector<std::u16string>{u"【  专业E 】", u"【  专业F 】", u"【  专业G 】", u"【  专业H 】",
                                                 u"【  专业I 】"}));
  model->nextTabPage();
  EXPECT_EQ(tabs()[4], u"【  专业I 】");
  model->tabClicked(4);
  EXPECT_EQ(view.selected, view.nodeNamed(u"专业I"));
  model->previousTabPage();
  EXPECT_EQ(tabs()[0], u"【  专业A 】");
  model->tabClicked(4);
  EXPECT_EQ(view.selected, view.nodeNamed(u"专业E"));
}

TEST_F(TabPaging, SixSpecialtiesFillTwoButtonsOnTheSecondPage) {
  startWith(6);
  model->nextTabPage();
  EXPECT_EQ(tabs(), (std::vector<std::u16string>{u"【  专业E 】", u"【  专业F 】", u"-", u"-", u"-"}));
  view.calls.clear();
  model->tabClicked(2);
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(TabPaging, ARebuildReturnsToTheFirstPage) {
  startWith(9);
  model->nextTabPage();
  command(gallery::GalleryCommand::Rebuild);
  EXPECT_EQ(tabs()[0], u"【  专业A 】");
  EXPECT_EQ(model->tabs().offset(), 0u);
}

TEST_F(TabPaging, SwitchedOffSpecialtiesGetNoTab) {
  library.writeIndex(specialties(4));
  library.writeSelection(u"0101");
  start();
  EXPECT_EQ(tabs(), (std::vector<std::u16string>{u"【  专业B 】", u"【  专业D 】", u"-", u"-", u"-"}));
}

}  // namespace
