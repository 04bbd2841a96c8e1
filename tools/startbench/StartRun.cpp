#include "StartRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <ctime>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int kLimitMs = 10000;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double residentMb(int pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return -1;
}

} // namespace

StartRunner::StartRunner() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    connection_ = c;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // Every window mapped on the root (a window manager's frame, or a bare top-level window)
    // is reported to us.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (atom) pidAtom_ = atom->atom;
    free(atom);
    xcb_flush(c);
}

StartRunner::~StartRunner() {
    if (connection_) xcb_disconnect(connection_);
}

// True when window, or a window under it down to depth levels, belongs to process pid.
bool StartRunner::belongsTo(unsigned window, int pid, int depth) {
    xcb_get_property_reply_t* prop = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    bool found = prop && xcb_get_property_value_length(prop) == 4 &&
                 *static_cast<uint32_t*>(xcb_get_property_value(prop)) == uint32_t(pid);
    free(prop);
    if (found || depth == 0) return found;
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
    if (!tree) return false;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
        found = belongsTo(children[i], pid, depth - 1);
    free(tree);
    return found;
}

bool StartRunner::viewable(unsigned window) {
    xcb_get_window_attributes_reply_t* a = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr);
    const bool shown = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    free(a);
    return shown;
}

// Milliseconds from startedAt to the moment a window of pid became viewable (-1: not seen).
double StartRunner::waitForMap(int pid, double startedAt) {
    pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (nowMs() - startedAt < kLimitMs) {
        poll(&fd, 1, 20);
        while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) {
            const double at = nowMs();
            bool done = false;
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
                // A frame holds the client a level or two down; the frame is mapped last.
                done = !map->override_redirect && belongsTo(map->window, pid, 3) &&
                       viewable(map->window);
            }
            free(e);
            if (done) return at - startedAt;
        }
    }
    return -1;
}

StartFigures StartRunner::run(const QString& program, const QStringList& arguments,
                              const QString& folder, int memoryAfterMs) {
    StartFigures figures;
    if (!connection_) return figures;
    // Events left over from the last run say nothing about this one.
    while (xcb_generic_event_t* e = xcb_poll_for_event(connection_))
        free(e);

    QTemporaryDir dir;
    const QString paintFile = dir.path() + QStringLiteral("/painted");
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("SCENOLUX_FIRST_PAINT_FILE=")) env.emplace_back(*e);
    env.push_back("SCENOLUX_FIRST_PAINT_FILE=" + paintFile.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray where = folder.toLocal8Bit();
    posix_spawn_file_actions_addchdir_np(&actions, where.constData());
    pid_t pid = 0;
    const double startedAt = nowMs();
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return figures;

    figures.mappedMs = waitForMap(pid, startedAt);
    QFile painted(paintFile);
    while (nowMs() - startedAt < kLimitMs) {
        if (painted.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const qint64 ns = painted.readAll().trimmed().toLongLong(&ok);
            painted.close();
            if (ok) {
                figures.paintedMs = ns / 1e6 - startedAt;
                break;
            }
        }
        QThread::msleep(2);
    }
    if (memoryAfterMs > 0) {
        const double wait = memoryAfterMs - (nowMs() - startedAt);
        if (wait > 0) QThread::msleep(static_cast<unsigned long>(wait));
        figures.residentMb = residentMb(pid);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return figures;
}
