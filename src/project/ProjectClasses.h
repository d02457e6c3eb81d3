#pragma once

// Registers the workspace and project node classes (and the tree classes
// they build on) so that archives can create them by their stored names.
// Called once at start-up and by tests before any project or workspace is
// read; calling it again does no harm.
void RegisterProjectClasses();
