#pragma once

#include "support/InkContrast.h"

#include <QDir>
#include <QImage>
#include <QList>

class QWidget;

// What the render tools share besides savePng(): their command line, a widget drawn into an
// image, and the pointer resting on a widget.

// The command line "<tool> <output folder> [--scale <device pixel ratio>]".
struct RenderArguments
{
    QDir folder;
    qreal scale = 1.0;
    // 0 to go on; otherwise what the tool exits with: 2 once the usage has been printed, 1
    // when the folder cannot be made or the ratio is not positive.
    int failure = 0;
};

// Reads the application's arguments and makes the output folder; `tool` names it in the usage.
RenderArguments readRenderArguments(const char *tool);

// `widget` drawn at `scale` on a transparent ground.
QImage renderWidget(QWidget &widget, qreal scale);

// Runs what is posted and the deferred deletions, which outside exec() wait for a turn.
void settleEvents();

// The pointer entering `widget` at its centre.
void hoverCentre(QWidget *widget);

// Prints the small text of a shot that stands out least, with its contrast against its floor
// and "MISSED" when it falls under it: one line, "<shot>  weakest small text ...". False when
// it misses.
bool printWeakestSmallText(const QString &shot, const QList<TextContrast> &texts);

// The last line of a tool that printed its shots' weakest texts: how many missed the floor.
void printSmallTextSummary(int shots, int missed);
