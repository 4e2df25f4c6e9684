#include "IdleSinkWake.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <functional>
#include <string>

namespace IdleSinkWake {
namespace {

using Clock = std::chrono::steady_clock;

// One short connection to the service, on a main loop of its own run by the caller.
class Connection {
public:
    explicit Connection(Clock::time_point deadline)
        : m_deadline(deadline)
    {
        m_context = pa_context_new(pa_mainloop_get_api(m_loop), "Trivane");
    }
    ~Connection()
    {
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        pa_mainloop_free(m_loop);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool connect()
    {
        if (!m_context || pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        return runUntil([this] {
                   return !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))
                          || pa_context_get_state(m_context) == PA_CONTEXT_READY;
               })
               && pa_context_get_state(m_context) == PA_CONTEXT_READY;
    }

    // Waits for an operation to end; false when it could not start or the deadline passed.
    bool finish(pa_operation* operation)
    {
        if (!operation)
            return false;
        const bool ended = runUntil([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
        if (!ended)
            pa_operation_cancel(operation);
        pa_operation_unref(operation);
        return ended;
    }

    pa_context* context() const { return m_context; }

private:
    bool runUntil(const std::function<bool()>& done)
    {
        while (!done()) {
            const auto left = std::chrono::duration_cast<std::chrono::microseconds>(m_deadline - Clock::now());
            if (left.count() <= 0)
                return false;
            if (pa_mainloop_prepare(m_loop, int(std::min<long long>(left.count(), 10000))) < 0
                || pa_mainloop_poll(m_loop) < 0 || pa_mainloop_dispatch(m_loop) < 0)
                return false;
        }
        return true;
    }

    pa_mainloop* m_loop = pa_mainloop_new();
    pa_context* m_context = nullptr;
    Clock::time_point m_deadline;
};

struct SinkFound {
    bool found = false;
    bool hardware = false;
    std::string name;
};

void takeSink(pa_context*, const pa_sink_info* info, int last, void* userdata)
{
    auto* sink = static_cast<SinkFound*>(userdata);
    if (last || !info)
        return;
    sink->found = true;
    sink->hardware = (info->flags & PA_SINK_HARDWARE) != 0;
    sink->name = info->name;
}

void takeSuccess(pa_context*, int success, void* userdata)
{
    *static_cast<bool*>(userdata) = success != 0;
}

} // namespace

bool wakeDefaultSink(std::chrono::milliseconds timeout)
{
    Connection connection(Clock::now() + timeout);
    if (!connection.connect())
        return false;
    pa_context* context = connection.context();
    SinkFound sink;
    if (!connection.finish(pa_context_get_sink_info_by_name(context, "@DEFAULT_SINK@", takeSink, &sink)) || !sink.found
        || sink.hardware)
        return false;
    bool suspended = false, resumed = false;
    connection.finish(pa_context_suspend_sink_by_name(context, sink.name.c_str(), 1, takeSuccess, &suspended));
    // Resumed whatever the answer to the suspension, so that the sink is never left asleep.
    connection.finish(pa_context_suspend_sink_by_name(context, sink.name.c_str(), 0, takeSuccess, &resumed));
    return suspended && resumed;
}

} // namespace IdleSinkWake
