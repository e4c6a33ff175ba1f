// Start-up with a file, opening a file in a running window, and one edit.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "mainwindow.h"

namespace {

const char *const kCeaFile = VOZEVU_TEST_DATA "/hdmi-tv.bin";
const char *const kOtherCeaFile = VOZEVU_TEST_DATA "/hdr-static-metadata.bin";

// hdmi-tv.bin with a Video block of 31 descriptors in front of its blocks
// (the blocks that no longer fit are left out), in a temporary file.
QString largeVideoFile(const QTemporaryDir &dir)
{
    QFile in(QString::fromLatin1(kCeaFile));
    in.open(QIODevice::ReadOnly);
    QByteArray image = in.readAll().left(256);
    QByteArray ext(128, '\0');
    ext[0] = 0x02;
    ext[1] = 0x03;
    QByteArray blocks = QByteArray(1, char(0x5F));
    for (int vic = 1; vic <= 31; ++vic)
        blocks.append(char(vic));
    const int d = static_cast<unsigned char>(image[130]);
    blocks += image.mid(132, d - 4).left(60);
    ext[2] = char(4 + blocks.size());
    ext[3] = image[131];
    ext.replace(4, blocks.size(), blocks);
    const QByteArray timings = image.mid(128 + d, 18);
    ext.replace(4 + blocks.size(), timings.size(), timings);
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i)
        sum += static_cast<unsigned char>(ext[i]);
    ext[127] = char((256 - sum % 256) % 256);
    image.replace(128, 128, ext);
    const QString path = dir.filePath(QStringLiteral("video31.bin"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(image);
    return path;
}

// Private memory (kB) of the process: the pages it wrote (heap, stacks, the
// libraries' data), not the library code that other processes may share,
// so the figure does not depend on what else runs. Registered first, so
// that no other benchmark's allocations are counted.
long privateKilobytes()
{
    QFile smaps(QStringLiteral("/proc/self/smaps_rollup"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    long total = 0;
    for (const QByteArray &line : smaps.readAll().split('\n'))
        if (line.startsWith("Private_Dirty:"))
            total += line.simplified().split(' ').value(1).toLong();
    return total;
}

// 0: a bare window; 1: hdmi-tv.bin open and every tab shown; 2: then every
// block of three CEA images shown too. Each step adds to the one before, in
// one window: the figure is the process's private memory after it.
void BM_PrivateMemory(benchmark::State &state)
{
    static MainWindow *window = nullptr;
    if (window == nullptr) {
        window = new MainWindow;
        window->show();
        QCoreApplication::processEvents();
    }
    QTemporaryDir dir;
    const QByteArray large = largeVideoFile(dir).toLocal8Bit();
    QList<QByteArray> files;
    if (state.range(0) == 1)
        files = {QByteArray(kCeaFile)};
    else if (state.range(0) == 2)
        files = {QByteArray(kCeaFile), QByteArray(kOtherCeaFile), large};
    long kilobytes = 0;
    for (auto _ : state) {
        for (const QByteArray &file : files) {
            window->openFile(file.constData());
            auto *tabs = window->findChild<QTabWidget *>("dataTabs");
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QCoreApplication::processEvents();
                auto *list = tabs->currentWidget()->findChild<QListWidget *>(QStringLiteral("listWidget"));
                for (int row = 0; list != nullptr && state.range(0) == 2 && row < list->count(); ++row) {
                    list->setCurrentRow(row);
                    QCoreApplication::processEvents();
                }
            }
        }
        kilobytes = privateKilobytes();
    }
    state.counters["private_kB"] = static_cast<double>(kilobytes);
    if (state.range(0) == 2) {
        delete window;
        window = nullptr;
    }
}
BENCHMARK(BM_PrivateMemory)->DenseRange(0, 2)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond);

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
// Files alternate with hdr-static-metadata.bin: 0 hdmi-tv.bin, 1 the same
// with a 31-descriptor Video block in front of its blocks.
void BM_OpenAndShowExtension(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray file = state.range(0) == 0 ? QByteArray(kCeaFile) : largeVideoFile(dir).toLocal8Bit();
    MainWindow window;
    window.show();
    window.openFile(file.constData());
    QCoreApplication::processEvents();
    auto *tabs = window.findChild<QTabWidget *>("dataTabs");
    QWidget *extension = window.findChild<QWidget *>("extDataTab");
    bool other = true;
    for (auto _ : state) {
        window.openFile(other ? kOtherCeaFile : file.constData());
        tabs->setCurrentWidget(extension);
        QCoreApplication::processEvents();
        other = !other;
    }
}
BENCHMARK(BM_OpenAndShowExtension)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The first showing of a 31-descriptor Video block's editor (its row picked
// in the block list of the shown extension page).
void BM_ShowLargeVideoBlock(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray large = largeVideoFile(dir).toLocal8Bit();
    MainWindow window;
    window.show();
    auto *tabs = window.findChild<QTabWidget *>("dataTabs");
    QWidget *extension = window.findChild<QWidget *>("extDataTab");
    for (auto _ : state) {
        window.openFile(large.constData());
        tabs->setCurrentWidget(extension);
        QCoreApplication::processEvents();
        auto *list = extension->findChild<QListWidget *>(QStringLiteral("listWidget"));
        QElapsedTimer timer;
        timer.start();
        list->setCurrentRow(0);
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_ShowLargeVideoBlock)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

// The first showing of each tab in a fresh window with the CEA sample open
// (manual time: only the showing is measured).
void BM_FirstTabShow(benchmark::State &state)
{
    const int tab = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>();
        window->show();
        window->openFile(kCeaFile);
        QCoreApplication::processEvents();
        auto *tabs = window->findChild<QTabWidget *>("dataTabs");
        state.SetLabel(tabs->tabText(tab).toStdString());
        QElapsedTimer timer;
        timer.start();
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        window.reset();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FirstTabShow)->DenseRange(0, 3)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

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
