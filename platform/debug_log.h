// The debug log: buglog.txt in the data folder, one line appended per call.
#pragma once

// Each line is written by opening the file, appending and closing again, so every line that
// was logged is on disk even if the game dies on the next instruction. Failures are silent:
// an unwritable log loses lines and never stops the game.
class BugLog {
  public:
    // Called once by the entry point, after the data folder is the working directory: keeps
    // the last run's log as buglog.1.txt, starts buglog.txt afresh and writes "Opening BugLog"
    // followed by an empty line.
    void Open();

    // Appends text and a newline. Returns the result of closing the file (0 when written),
    // or EOF when the file could not be opened. Does nothing before Open.
    int Write(const char* text);

    // Forgets the file again, so a later Write writes nothing (used by tests between games).
    void Close();

  private:
    bool opened = false;
};

extern BugLog bugLog;
