// Start-up with a file, opening a file in a running window, and one edit.
#include <QApplication>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <memory>

#include "mainwindow.h"

namespace {

const char *const kCeaFile = VOZEVU_TEST_DATA "/hdmi-tv.bin";
const char *const kOtherCeaFile = VOZEVU_TEST_DATA "/hdr-static-metadata.bin";

// The window shown with a CEA sample open, everything painted.
void BM_StartupWithFile(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>();
        window->show();
        window->openFile(kCeaFile);
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupWithFile)->Unit(benchmark::kMillisecond);

// Opening and showing a file in a window that already shows one.
void BM_OpenAndShow(benchmark::State &state)
{
    MainWindow window;
    window.show();
    window.openFile(kCeaFile);
    QCoreApplication::processEvents();
    bool other = true;
    for (auto _ : state) {
        window.openFile(other ? kOtherCeaFile : kCeaFile);
        QCoreApplication::processEvents();
        other = !other;
    }
}
BENCHMARK(BM_OpenAndShow)->Unit(benchmark::kMillisecond);

// The same, with the extension tab current afterwards: its page is built too.
void BM_OpenAndShowExtension(benchmark::State &state)
{
    MainWindow window;
    window.show();
    window.openFile(kCeaFile);
    QCoreApplication::processEvents();
    auto *tabs = window.findChild<QTabWidget *>("dataTabs");
    QWidget *extension = window.findChild<QWidget *>("extDataTab");
    bool other = true;
    for (auto _ : state) {
        window.openFile(other ? kOtherCeaFile : kCeaFile);
        tabs->setCurrentWidget(extension);
        QCoreApplication::processEvents();
        other = !other;
    }
}
BENCHMARK(BM_OpenAndShowExtension)->Unit(benchmark::kMillisecond);

// One edit (the revision bytes) written and repainted in the shown viewer.
void BM_OneEdit(benchmark::State &state)
{
    MainWindow window;
    window.show();
    window.openFile(kCeaFile);
    auto *tabs = window.findChild<QTabWidget *>("dataTabs");
    tabs->setCurrentIndex(tabs->count() - 1);
    QCoreApplication::processEvents();
    Edid &page = window.getPage();
    Word revision = 3;
    for (auto _ : state) {
        page.versionRevision.setRevision(revision);
        page.versionRevision.updateVersionRevision(page.referenceBytes, page.workingBytes);
        QCoreApplication::processEvents();
        revision = revision == 3 ? 4 : 3;
    }
}
BENCHMARK(BM_OneEdit)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No update request leaves the machine while measuring.
    qputenv("VOZEVU_UPDATE_SERVER", "http://127.0.0.1:9");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
