// What one edit of an option costs the window's thread while the strength line
// follows it: typed sets of every size are weighed there, longer ones loaded from
// the settings file go to a worker.
#include "core/toolkit/Threads.h"
#include "window/app/ZolvenarMainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Median time of an edit to the symbols' box, alternating between two texts.
double medianEditMs(ZolvenarMainForm &form, const QString &text)
{
    std::vector<double> times;
    for (int i = 0; i < 201; ++i) {
        QElapsedTimer clock;
        clock.start();
        form.editSymbol->setText(i % 2 ? text : text.chopped(1));
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Every set this many characters, all ticked, the exclusions with no match.
void fill(ZolvenarMainForm &form, int length)
{
    for (qsizetype i = 0; i < form.setEdits.size(); ++i) {
        QString text;
        for (int c = 0; c < length; ++c)
            text.append(i >= 4 && i != 5 ? QChar(0xE9 + c % 8) : QChar(0x21 + (c * 7 + int(i)) % 94));
        form.setEdits[i]->setText(text);
        form.setCheckBoxes[i]->setChecked(true);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    ZolvenarMainForm form;
    std::printf("Strength line, one edit on the window's thread (median of 201):\n");
    std::printf("  %-44s %8.3f ms\n", "defaults", medianEditMs(form, QStringLiteral("!@#$%&^*-+=<>?/")));
    fill(form, 256);
    std::printf(
        "  %-44s %8.3f ms\n", "every set 256 characters, both exclusions", medianEditMs(form, form.editSymbol->text()));
    fill(form, 65536);
    std::printf(
        "  %-44s %8.3f ms\n", "every set 64 KiB from the file (worker)", medianEditMs(form, form.editSymbol->text()));
    std::fflush(stdout);
    // The worker's last set takes minutes; the process need not wait for it.
    std::_Exit(0);
}
