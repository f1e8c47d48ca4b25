// What one edit of an option costs the window's thread while the strength line
// follows it, up to every set 64 KiB (the most the settings file gives) with both
// exclusions on: the text box's own work included, and the line's alone (a tick of
// a menu option, which nothing else follows).
#include "window/app/ZolvenarMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Cost
{
    double wall;
    double cpu; // the thread's own processor time, which other load on the machine does not inflate
};

// Medians of 201 rounds.
Cost median(const std::function<void(int)> &edit)
{
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int i = 0; i < 201; ++i) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = threadCpuMs();
        edit(i);
        cpus.push_back(threadCpuMs() - cpuStart);
        walls.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return { walls[walls.size() / 2], cpus[cpus.size() / 2] };
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

void print(ZolvenarMainForm &form, const char *what)
{
    const QString text = form.editSymbol->text();
    const Cost edit = median([&](int i) { form.editSymbol->setText(i % 2 ? text : text.chopped(1)); });
    const Cost line = median([&](int) { form.actionRequireEachSet->toggle(); });
    std::printf("  %-40s %8.3f ms (%8.3f ms processor), the line alone %6.3f ms (%6.3f ms)\n", what, edit.wall,
        edit.cpu, line.wall, line.cpu);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    ZolvenarMainForm form;
    std::printf("Strength line, one edit of the symbols on the window's thread (median of 201):\n");
    print(form, "defaults");
    fill(form, 256);
    print(form, "every set 256 characters, both exclusions");
    // The ASCII sets 64 KiB, the others (two bytes a character) more than the file gives.
    fill(form, 65536);
    print(form, "every set 64 KiB, both exclusions");
    return 0;
}
