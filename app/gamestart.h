#pragma once

class QObject;

// Main: loads the settings (creating the store on the first run), shows the main window and
// runs the event loop until it closes; returns the exit code. A `windowWatcher` filters the
// main window's events (the start-up benchmark watches for its first paint).
int Main(int argc, char** argv, QObject* windowWatcher = nullptr);
