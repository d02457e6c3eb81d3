#pragma once

// Registers the tree node classes with the runtime class registry so that
// archives can create them by their stored names. Called once at start-up
// (and by tests) before any tree is read; calling it again does no harm.
void RegisterTreeClasses();
