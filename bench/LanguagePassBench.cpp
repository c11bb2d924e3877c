// The language pass that runs at every activation of the main window: one pass over all
// controls of the window and its dialogs, with the texts already loaded.

#include "CaptionIndex.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "app/AppState.h"
#include "app/language/LanguageChoice.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace powerball;
using namespace powerball::ui;

namespace {

MainWindow* g_window = nullptr;
CaptionTexts g_english;
CaptionTexts g_german;

CaptionTexts shippedTexts(int code) {
    AppState state;
    state.programFolder = std::filesystem::path(POWERBALL_SOURCE_DIR) / "data";
    return *loadLanguage(state, code);
}

// Activation in the language already shown: every text is compared, none changes.
void SameLanguageAgain(benchmark::State& state) {
    LanguagePass::apply(g_english, {g_window});
    for (auto _ : state)
        benchmark::DoNotOptimize(LanguagePass::apply(g_english, {g_window}));
}
BENCHMARK(SameLanguageAgain)->Unit(benchmark::kMillisecond);

// Choosing another language: every caption and hint is set.
void SwitchLanguage(benchmark::State& state) {
    bool english = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LanguagePass::apply(english ? g_english : g_german, {g_window}));
        english = !english;
    }
}
BENCHMARK(SwitchLanguage)->Unit(benchmark::kMillisecond);

// The whole activation's share: reading the index, the language and the message file, then
// the pass.
void ReadFilesAndApply(benchmark::State& state) {
    AppState app;
    app.programFolder = std::filesystem::path(POWERBALL_SOURCE_DIR) / "data";
    for (auto _ : state)
        benchmark::DoNotOptimize(LanguagePass::apply(*loadLanguage(app, 2), {g_window}));
}
BENCHMARK(ReadFilesAndApply)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    MainWindow window(folder.path().toStdString());
    addProgramDialogs(window);
    window.show();
    g_window = &window;
    g_english = shippedTexts(2);
    g_german = shippedTexts(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
