#include "Seams.h"

#include "platform/runtime/MsgBox.h"
#include "platform/system/Effects.h"
#include "rules/standins/Random.h"

#include <QTest>

MsgBoxRecorder::MsgBoxRecorder(int a) : answer(a)
{
    platform::replaceMsgBox([this](const QString& prompt, int style, const QString& title) {
        calls.append({prompt, style, title});
        if (onBox)
            onBox(calls.last());
        return answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    platform::replaceMsgBox({});
}

ScriptedRnd::ScriptedRnd(std::initializer_list<float> values) : values_(values)
{
    rules::replaceRnd([this] {
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
    rules::replaceRnd({});
}

CallCounter::CallCounter(Replace replace) : replace_(replace)
{
    replace_([this] { ++count; });
}

CallCounter::~CallCounter()
{
    replace_({});
}

EndCounter::EndCounter() : CallCounter(platform::replaceEndProgram)
{}

BeepCounter::BeepCounter() : CallCounter(platform::replaceBeep)
{}
