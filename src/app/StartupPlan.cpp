#include "app/StartupPlan.h"

#include <string>

#include "base/Text.h"
#include "gallery/GalleryCommand.h"

namespace app {

namespace {

constexpr char16_t kArxShow[] = u"arx show";
constexpr char16_t kArxClose[] = u"arx close";
constexpr char16_t kArxHide[] = u"arx hide";
constexpr char16_t kDraftwell[] = u"Draftwell20110719";
constexpr char16_t kLd[] = u"LD";
constexpr char16_t kMn[] = u"MN";
constexpr uint32_t kWaitAfterShowMs = 300;

ForwardedCommand command(gallery::GalleryCommand code, uint64_t argument = 0) {
  return ForwardedCommand{argument, static_cast<int64_t>(code)};
}

// The number left once the tokens are gone; any word before it makes it 0.
int32_t numberWithout(std::u16string text, std::initializer_list<std::u16string_view> tokens) {
  for (std::u16string_view token : tokens) base::removeAll(text, token);
  return base::wtoi(text);
}

void planDraftwell(std::u16string text, StartupPlan& plan) {
  plan.road = StartupRoad::Draftwell;
  base::removeAll(text, kDraftwell);
  if (base::contains(text, kLd)) plan.state.ldFlag = true;
  base::removeAll(text, kLd);
  if (base::contains(text, kMn)) plan.state.mnFlag = true;
  base::removeAll(text, kMn);
  plan.state.drawHostWindow = base::wtoi(text);
}

// The table of a second start, first matching line wins.
void planForwards(const std::u16string& text, StartupPlan& plan) {
  using gallery::GalleryCommand;
  if (base::contains(text, kArxShow)) {
    int32_t host = numberWithout(text, {kArxShow, kArxClose});
    plan.forwards = {command(GalleryCommand::Show),
                     command(GalleryCommand::SetArxHost, static_cast<uint32_t>(host))};
    plan.waitAfterForwardMs = kWaitAfterShowMs;
  } else if (base::contains(text, kArxClose)) {
    plan.forwards = {command(GalleryCommand::Quit)};
  } else if (base::contains(text, kArxHide)) {
    plan.forwards = {command(GalleryCommand::Hide)};
  } else {
    plan.forwards = {command(GalleryCommand::Show)};
    plan.waitAfterForwardMs = kWaitAfterShowMs;
  }
}

void planFirstInstance(const std::u16string& text, StartupPlan& plan) {
  if (base::contains(text, kArxShow))
    plan.state.arxHostWindow = numberWithout(text, {kArxShow});
  else if (base::contains(text, kArxClose) || base::contains(text, kArxHide))
    plan.endAsFirstInstance = true;
}

}  // namespace

StartupPlan planStartup(std::u16string_view commandLine) {
  StartupPlan plan;
  std::u16string text(commandLine);
  plan.askCompanion = text.empty();
  if (base::contains(text, kDraftwell)) {
    planDraftwell(std::move(text), plan);
    return plan;
  }
  planForwards(text, plan);
  planFirstInstance(text, plan);
  return plan;
}

}  // namespace app
