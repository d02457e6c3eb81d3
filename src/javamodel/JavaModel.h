#pragma once

// Registers the element classes with the class registry, so that archives
// can create them by their stored names. Idempotent; call once at start-up
// (and in tests) before reading any file that holds parsed elements.
void RegisterJavaModelClasses();
