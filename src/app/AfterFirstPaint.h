#pragma once

#include <functional>

class QWidget;

// Runs work once the window has painted for the first time (right after
// that paint, from the event loop), or at once when the window has already
// painted. For work that changes nothing the user can see in the first
// picture but costs time before it, such as loading a font for a view that
// is still empty.
void RunAfterFirstPaint(QWidget *window, std::function<void()> work);
