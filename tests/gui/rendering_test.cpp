// SPDX-License-Identifier: MIT
// After each kind of event, sent as a real click or key press to the real widget, every widget shows what the
// form holds.
#include "window_fixture.h"

#include <vector>

namespace zifora::test {
namespace {

struct Story {
    const char* name;
    std::vector<std::string> actions;
};

void PrintTo(const Story& story, std::ostream* out)
{
    *out << story.name;
}

const std::vector<std::string> kTrialChoice {"click Check1", "load easy.txt", "cell 1 3", "entry 1"};

std::vector<std::string> Then(std::vector<std::string> actions, const std::vector<std::string>& more)
{
    actions.insert(actions.end(), more.begin(), more.end());
    return actions;
}

const Story kStories[] = {
    {"Load", {"load easy.txt"}},
    {"RefusedLoad", {"load no such file.txt"}},
    {"ZellenOnTheStartBoard", {"click Zellen"}},
    {"Einzeln", {"load easy.txt", "click Einzelne"}},
    {"Dop2er", {"load easy.txt", "click D2er"}},
    {"Test", {"click Testen"}},
    {"TrialModeOnAndOff", {"click Check1", "click Check1"}},
    {"ArrowKeys", {"key Feld Right", "key Feld Down", "key Feld Down"}},
    {"ChoiceByClick", kTrialChoice},
    {"ListOfOneDigit", {"click Check1", "load easy.txt", "cell 9 4"}},
    {"EmptyEntryHidesTheList", Then(kTrialChoice, {"cell 2 2", "entry 0"})},
    {"Ubernahme", Then(kTrialChoice, {"click TestOK"})},
    {"Reset", Then(kTrialChoice, {"click Reset"})},
    {"TrialPlacementsInMagenta", Then(kTrialChoice, {"click Zellen", "click Einzelne"})},
};

class WindowRendering : public WindowTest, public testing::WithParamInterface<Story> { };

TEST_P(WindowRendering, EveryWidgetShowsTheFormAfterEveryEvent)
{
    for (const std::string& action : GetParam().actions) {
        SCOPED_TRACE(action);
        Do(action);
        ExpectShowsForm(window, form.State());
    }
}

INSTANTIATE_TEST_SUITE_P(Stories, WindowRendering, testing::ValuesIn(kStories),
    [](const testing::TestParamInfo<Story>& story) { return story.param.name; });

} // namespace
} // namespace zifora::test
