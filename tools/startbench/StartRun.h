// One measured start of a program on the X display: the time from its start to its main
// window being mapped (seen from outside, on the root window) and to its first paint (from
// the program's own hook), and its resident memory a while after the start.
#pragma once

#include <QString>
#include <QStringList>

struct StartFigures {
    double mappedMs = -1;   // -1: not seen
    double paintedMs = -1;  // -1: not reported
    double residentMb = -1; // -1: not measured
};

class StartRunner {
public:
    StartRunner();
    ~StartRunner();
    StartRunner(const StartRunner&) = delete;
    StartRunner& operator=(const StartRunner&) = delete;

    bool connected() const { return connection_ != nullptr; }
    // Starts program with arguments in folder, measures, and ends it. With memoryAfterMs > 0
    // the program runs that long before its resident memory is read.
    StartFigures run(const QString& program, const QStringList& arguments, const QString& folder,
                     int memoryAfterMs);

private:
    bool belongsTo(unsigned window, int pid, int depth);
    bool viewable(unsigned window);
    double waitForMap(int pid, double startedAt);

    struct xcb_connection_t* connection_ = nullptr;
    unsigned root_ = 0;
    unsigned pidAtom_ = 0;
};
