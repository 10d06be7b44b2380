#include "Seams.h"

#include "platform/runtime/MsgBox.h"
#include "rules/Random.h"

#include <QTest>

MsgBoxRecorder::MsgBoxRecorder(int a) : answer(a)
{
    platform::setMsgBoxAnswerer([this](const QString& prompt, int style, const QString& title) {
        calls.append({prompt, style, title});
        if (onBox)
            onBox(calls.last());
        return answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    platform::setMsgBoxAnswerer({});
}

ScriptedRnd::ScriptedRnd(std::initializer_list<float> values) : values_(values)
{
    rules::setRndScript([this] {
        ++draws_;
        if (values_.empty()) {
            QTest::qFail("Rnd() drew more numbers than the test scripted", __FILE__, __LINE__);
            return 0.0f;
        }
        const float r = values_.front();
        values_.pop_front();
        return r;
    });
}

ScriptedRnd::~ScriptedRnd()
{
    rules::setRndScript({});
}

CallCounter::CallCounter(platform::Effect effect) : effect_(effect)
{
    platform::setEffectHook(effect_, [this] { ++count; });
}

CallCounter::~CallCounter()
{
    platform::setEffectHook(effect_, {});
}

EndCounter::EndCounter() : CallCounter(platform::Effect::EndProgram)
{}

BeepCounter::BeepCounter() : CallCounter(platform::Effect::Beep)
{}
