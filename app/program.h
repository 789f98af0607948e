#pragma once

class QApplication;

// The program's life around the application object, shared by main() and the start-up benchmark.
namespace Program {
// Desktop identity, window icon and translations; starts loading what the first window needs.
void Prepare(QApplication &app);
// Runs CZANTApp on the real platform services until the main dialog has ended.
void Run();
} // namespace Program
