// A gallery model on a small library, with the recording window.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "FakeGalleryView.h"
#include "TestLibrary.h"
#include "gallery/GalleryModel.h"

namespace gallery_test {

// 01_建筑: 门窗 (m1, m2), AB (ab1), A with the sub-category x (ax1).
// 02_园林: 乔木 (empty), 灌木 (g1), 平面植物 (empty).
// 03_给排水: 管件 (empty).
inline constexpr char kSmallIndex[] =
    "<Folder name=\"jz\" local=\"01_建筑\"><Num>1</Num>\n"
    "  <Parent name=\"mc\" local=\"门窗\"></Parent>\n"
    "  <Parent name=\"ab\" local=\"AB\"></Parent>\n"
    "  <Parent name=\"a\" local=\"A\"><Child name=\"x\">x</Child></Parent>\n"
    "</Folder>\n"
    "<Folder name=\"yl\" local=\"02_园林\"><Num>2</Num>\n"
    "  <Parent name=\"qm\" local=\"乔木\"></Parent>\n"
    "  <Parent name=\"gm\" local=\"灌木\"></Parent>\n"
    "  <Parent name=\"pm\" local=\"平面植物\"></Parent>\n"
    "</Folder>\n"
    "<Folder name=\"gps\" local=\"03_给排水\"><Num>3</Num>\n"
    "  <Parent name=\"gj\" local=\"管件\"></Parent>\n"
    "</Folder>\n";

class GalleryFixture : public ::testing::Test {
protected:
  void writeSmallLibrary() {
    library.writeIndex(kSmallIndex);
    library.writeSelection(u"111");
    library.addBlocks(u"01_建筑/门窗", {"m1", "m2"});
    library.addBlocks(u"01_建筑/AB", {"ab1"});
    library.addBlocks(u"01_建筑/A/x", {"ax1"});
    library.addBlocks(u"02_园林/灌木", {"g1"});
  }

  // The window's initialisation, as far as the model takes part in it.
  void start() {
    model = std::make_unique<gallery::GalleryModel>(state, view, library.place());
    view.model = model.get();
    model->openLibrary();
    model->finishStart();
  }

  // A one-shot timer of the window runs out; it must have been started.
  void fire(gallery::GalleryTimer timer) {
    int32_t id = static_cast<int32_t>(timer);
    ASSERT_EQ(view.timers.count(id), 1u) << "timer " << id << " is not running";
    model->timerFired(id);
  }

  // A drag of the thumbnail at this position, as the list reports it: the entry taken as it starts.
  void drag(int64_t position, thumbs::DragEnd end) {
    if (std::optional<gallery::ShownEntry> entry = model->entryAt(position)) model->itemDragged(*entry, end);
  }

  int64_t command(gallery::GalleryCommand code, uint64_t argument = 0) {
    return model->command(static_cast<int64_t>(code), argument);
  }

  std::vector<std::u16string> shownIds() const {
    std::vector<std::u16string> ids;
    const gallery::ShownList& shown = model->shown();
    for (size_t position = 0; position < shown.size(); ++position)
      if (const library::BlockRecord* block = shown.blockAt(position)) ids.push_back(block->id);
    return ids;
  }

  library::BlockRecord availableBlock(std::u16string_view id) const {
    for (const auto& block : model->availableBlocks())
      if (block.id == id) return block;
    ADD_FAILURE() << "no block " << base::toUtf8(id);
    return {};
  }

  TestLibrary library;
  gallery::AppState state;
  FakeGalleryView view;
  std::unique_ptr<gallery::GalleryModel> model;
};

}  // namespace gallery_test
