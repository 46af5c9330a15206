#pragma once

// What a long job (recompute, development, reduction, check, load) reports while it runs.
// A window binds it to its progress bars and stop button, the command line prints it, tests
// record it or press stop at a chosen step.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void SetRange(int minimum, int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    // Lets the user interface run (repaint, stop button) at the job's fixed points.
    virtual void ProcessEvents() {}
    virtual bool StopRequested() const { return false; }
};

// A progress that shows nothing.
class NullProgress final : public Progress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
};
