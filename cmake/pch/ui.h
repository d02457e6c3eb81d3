// Precompiled for every view library: the model's set and the widgets.
#pragma once

#include "model.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>
