// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"

class QWidget;

// How a screen waits for the catalogue's lock: while another program holds it, a notice over the
// screen says so and names that program ("Waiting for the catalogue of worksheets: Quorvel on the
// computer lab-3 is using it."), and the screen keeps painting (input waits until the save is
// over). The notice goes when the save ends.
catalogue::Waiting waitingFor(QWidget *screen);
