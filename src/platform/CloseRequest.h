#pragma once

// Tells a window's closeEvent whether the close comes from the program's own
// shut-down or from outside (the user, the window manager). Windows that
// only hide when the user closes them (the style dialogs) must let the
// program's own closing through.
class CloseRequest {
public:
    // True while the program is closing its windows.
    static bool fromProgram() { return depth() > 0; }

    // Marks the program's own closing for the guard's lifetime.
    class ProgramClosing {
    public:
        ProgramClosing() { ++depth(); }
        ~ProgramClosing() { --depth(); }
        ProgramClosing(const ProgramClosing &) = delete;
        ProgramClosing &operator=(const ProgramClosing &) = delete;
    };

private:
    static int &depth()
    {
        static int value = 0;
        return value;
    }
};
