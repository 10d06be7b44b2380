#pragma once

#include "rules/standins/MsgBoxStyle.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <initializer_list>

// While alive, answers every message box through the platform's seam and records it.
struct MsgBoxCall
{
    QString prompt;
    int style = 0;
    QString title;
};

class MsgBoxRecorder
{
public:
    explicit MsgBoxRecorder(int answer = rules::vbOK);
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    QList<MsgBoxCall> calls;
    std::function<void(const MsgBoxCall&)> onBox; // runs while the box is "open"
    int answer;
};

// While alive, Rnd() returns the scripted values in order, then fails the test if it is
// asked for more than were given.
class ScriptedRnd
{
public:
    ScriptedRnd(std::initializer_list<float> values = {});
    ~ScriptedRnd();
    ScriptedRnd(const ScriptedRnd&) = delete;
    ScriptedRnd& operator=(const ScriptedRnd&) = delete;

    void push(float value) { values_.push_back(value); }
    int draws() const { return draws_; }
    bool exhausted() const { return values_.empty(); }

private:
    std::deque<float> values_;
    int draws_ = 0;
};

// While alive, counts the times the call would have run, instead of letting it: `replace`
// is the call's replace function.
class CallCounter
{
public:
    using Replace = void (*)(std::function<void()> standIn);
    explicit CallCounter(Replace replace);
    ~CallCounter();
    CallCounter(const CallCounter&) = delete;
    CallCounter& operator=(const CallCounter&) = delete;

    int count = 0;

private:
    Replace replace_;
};

// Counts the program's ends instead of ending the test.
struct EndCounter : CallCounter
{
    EndCounter();
};

// Counts beeps instead of sounding them.
struct BeepCounter : CallCounter
{
    BeepCounter();
};
