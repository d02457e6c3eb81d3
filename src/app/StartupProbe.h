#pragma once

// When MAVU_STARTUP_PROBE is set, the first time a main window has been
// painted the process writes "painted <ns>" to standard error, where <ns> is
// CLOCK_MONOTONIC in nanoseconds: the system-wide clock, so the start-up
// benchmark can subtract the moment it started the process. Costs nothing
// when the variable is unset. With the value "exit" the process ends right
// after reporting, so that a profiler sees the start-up alone.
void InstallStartupProbe();
