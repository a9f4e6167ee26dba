#include "games/memorygame.h"

#include "games/twentyfour.h"
#include "page/answermatch.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/timercontrol.h"

using namespace Qt::StringLiterals;

namespace quorvel {

QString MemoryGame::start(RandomSource &random, int seconds, TimerControl &countdown)
{
    countdown.setEnabled(true);
    shownSeconds = 0;
    viewingSeconds = seconds;
    expectedAnswer.clear();

    const QString shown = QString::number(seconds);
    QString page = u"你有"_s + shown + u"秒记忆下面的牌：<input class=text name=miao"_s +
                   u" type=text size=27 value="_s + shown + u"><br><br><a name=img8>"_s;
    for (int card = 0; card < 8; ++card) {
        // Every card draws its own suit.
        const int value = random.below(10, 1);
        const int suit = random.below(4, 1);
        page += u"<img src=24/"_s + QString::number(value) + suitLetter(suit) + u".gif>"_s;
        expectedAnswer += QString::number(value);
    }
    page += u"</a><br><br>把牌数填入文本框：<input class=text name=answer"_s +
            u" type=text size=27 tag="_s + expectedAnswer + u"><br>"_s +
            u"<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
            u"<input class=button name=finish type=button size=7 value=提交答案 tag=十>"
            u"<br><br>"_s;
    return page;
}

void MemoryGame::tick(PageDocument &page, TimerControl &countdown)
{
    ++shownSeconds;
    const int left = viewingSeconds - shownSeconds;
    page.setValue(u"miao"_s, QString::number(left));
    if (left <= 0) {
        page.setInnerHtml(u"img8"_s, u"<img src=24/pp.gif>"_s.repeated(8));
        countdown.setEnabled(false);
        shownSeconds = 0;
    }
}

bool MemoryGame::submit(PageDocument &page, int elapsedSeconds)
{
    const PageElement *answer = page.find(u"answer"_s);
    const QString expected = answer ? answer->tag : QString();
    page.insertHtmlAfter(u"finish"_s, u"<br>正确答案:<br>"_s + expected + u"，用时"_s +
                                          QString::number(elapsedSeconds) + u"秒！"_s);
    const bool right = answer && foldedAnswer(answer->value) == expected;
    page.insertTextAfter(u"answer"_s, right ? u"(√)"_s : u"(×)"_s);
    return right;
}

} // namespace quorvel
