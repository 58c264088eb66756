#pragma once

// Realistic inputs for the benchmarks: a pupil's way from a new form to a
// complete choice, a complete graded record, a folder for files.

#include "model/Model.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <vector>

namespace bench {

struct Cell
{
    int col;
    int row;
};

// The model as the program has it after start without a settings file.
tamb::Model startedModel();

// Clicks from a new form to a complete choice: core subjects, exam
// subjects, one refused oral click, a language taken and dropped again,
// religion, art and music, electives, an elective moved to the second
// pair, a click into the count column.
const std::vector<Cell> &completionClicks();

// True when the fault mask is 0 and the menus are enabled.
bool isComplete(const tamb::Model &m);

// The started model after `completionClicks`; aborts when the choice is
// not complete (the rules changed and the sequence needs an update).
tamb::Model completeModel();

// `completeModel` with points for every course, all five examination
// results and personal data: a pupil admitted to the examinations.
tamb::Model gradedModel();

// A folder that lives as long as the benchmark program.
QString scratchDir();

// The environment of the programs the benchmarks start: offscreen, with
// their settings, recent files and recovery files in the scratch folder.
QProcessEnvironment programEnvironment();

// A program folder in the scratch folder with a settings file, as a school has it.
QString programDir();
// 2 000 files of one year group in the program folder (names relative to
// it): nine in ten complete (tnd with grades and tmd alternating), one in
// ten an unfinished choice.
QStringList checkedFiles();

// Personal data of pupil number i.
tamb::Daten pupil(int i);

// Fails the program with a message.
[[noreturn]] void fail(const QString &message);

} // namespace bench
