// SPDX-License-Identifier: GPL-3.0-or-later
// A headless engine for tests: run a piece of engine code and read back what
// it drew, one trace line per runtime operation.
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "runtime/headless.h"
#include "trace.h"

namespace lesson::testing {

// An engine whose "main menu" is whatever the test gives it.
class ScriptEngine : public Engine {
public:
    ScriptEngine(rt::Runtime& r, std::function<void(ScriptEngine&)> body)
        : Engine(r, "Test"), body_(std::move(body)) {}

    int Run() {
        return Engine::Run([this] { body_(*this); });
    }

private:
    std::function<void(ScriptEngine&)> body_;
};

class Headless {
public:
    explicit Headless(std::vector<std::string> keys = {}, std::string clock = "00:00:00") {
        rt::HeadlessRuntime::Options o;
        o.keys = std::move(keys);
        o.clock = std::move(clock);
        o.scale = 1;  // pictures are not looked at here; small canvases keep tests quick
        runtime = std::make_unique<rt::HeadlessRuntime>(o);
        runtime->setTrace(&trace);
        engine = std::make_unique<ScriptEngine>(*runtime, [this](ScriptEngine& e) {
            if (body) body(e);
        });
    }

    // Start-up, then body; returns the exit status (3 after a runtime error).
    int run(std::function<void(Engine&)> b) {
        body = std::move(b);
        return engine->Run();
    }

    // Runs body on an engine that has been through start-up, with the trace
    // cleared first; the engine stays usable afterwards for further calls.
    void start() {
        run([](Engine&) {});
        clear();
    }
    Engine& e() { return *engine; }
    rt::HeadlessRuntime& rt() { return *runtime; }

    void clear() {
        trace.str("");
        trace.clear();
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::istringstream in(trace.str());
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    // Only the lines that begin with kind ("text", "line", "circle", "poly", "key" ...).
    std::vector<std::string> lines(const std::string& kind) const {
        std::vector<std::string> out;
        for (auto& l : lines())
            if (l.rfind(kind + " ", 0) == 0 || l == kind) out.push_back(l);
        return out;
    }
    std::string text() const { return trace.str(); }
    // The trace read into typed records.
    Trace records() const { return Trace(trace.str()); }

    std::ostringstream trace;
    std::unique_ptr<rt::HeadlessRuntime> runtime;
    std::unique_ptr<ScriptEngine> engine;
    std::function<void(Engine&)> body;
};

}  // namespace lesson::testing
