#include "drills/levelgame.h"

#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/timercontrol.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

const QString guoguan = u"answerguoguan"_s;
const QString spanguan = u"spanguan"_s;

QString choiceName(int j)
{
    return u'R' + QString::number(j);
}

// Keys of one level can in theory use up every pair; then the level's keys
// are forgotten rather than drawing for ever.
constexpr int drawLimit = 100000;

} // namespace

int LevelGame::kind() const
{
    if (!isRunning())
        return -1;
    const int k = kindCode.right(1).toInt() - 2;
    return k >= 0 && k < 4 ? k : -1;
}

QString LevelGame::difficultyBlock() const
{
    const auto line = [this](int ms, const QString &name, const QString &tag,
                             const QString &caption) {
        return u"<input type=radio name="_s + name + u" value=V2 tag="_s + tag +
               (milliseconds == ms ? u" checked"_s : QString()) + u'>' + caption +
               u"&nbsp;&nbsp;<br>"_s;
    };
    return u"难度选择：<br><br>"_s +
           line(9000, u"n1"_s, u"容易"_s, u"初级算术魔法师：9秒一道题"_s) +
           line(7000, u"n2"_s, u"中等"_s, u"中级算术魔法师：7秒一道题"_s) +
           line(5000, u"n3"_s, u"较难"_s, u"高级算术魔法师：5秒一道题"_s);
}

void LevelGame::resetLevel(LevelGameHost &host)
{
    questionNo = 0;
    score = 0;
    for (QString &keys : used)
        keys.clear();
    host.questionTimer().setInterval(9000);
    host.secondsTimer().setEnabled(false);
}

QString LevelGame::start(const QString &code, LevelGameHost &host)
{
    kindCode = code;
    resetLevel(host);
    // The first question comes after the difficulty's seconds.
    host.questionTimer().setInterval(milliseconds);
    host.questionTimer().setEnabled(true);
    const int k = kind();
    range = (k == Addition || k == Subtraction) ? 10 : 31;
    return difficultyBlock() + u"<br><br>"_s + QString::number(milliseconds / 1000) +
           u"秒后开始算术闯关，做好准备哦。"_s;
}

LevelGame::Question LevelGame::drawQuestion(int k)
{
    QString &keys = used[k];
    int draws = 0;
    const auto key = [](int a, int b) {
        return u'|' + QString::number(a) + QString::number(b) + u'|';
    };
    int a = 0;
    int b = 0;
    if (k == Addition || k == Subtraction) {
        do {
            if (++draws > drawLimit)
                keys.clear();
            a = m_random.below(range - 2, 2);
            b = m_random.below(a - 1, 1);
        } while (keys.contains(key(a, b)));
        keys += key(a, b);
        if (k == Addition)
            return {QString::number(a) + u'+' + QString::number(b), a + b};
        return {QString::number(a + b) + u'-' + QString::number(b), a};
    }
    for (;;) {
        do {
            if (++draws > drawLimit)
                keys.clear();
            a = m_random.below(9, 1);
            b = m_random.below(9, 1);
        } while (keys.contains(key(a, b)));
        keys += key(a, b); // rejected pairs count as used too
        if (a * b <= range)
            break;
    }
    if (k == Multiplication)
        return {QString::number(a) + u'×' + QString::number(b), a * b};
    return {QString::number(a * b) + u'÷' + QString::number(b), a};
}

QString LevelGame::questionPage(const Question &question, int firstChoiceOffset) const
{
    const int k = std::max(kind(), 0);
    QString page = u"第"_s + QString::number(levels[k] + 1) +
                   u"关：<span id=spanguan></span><br><br>"_s + u"第"_s +
                   QString::number(questionNo) + u"题："_s + question.text + u'=' +
                   u" <input class=text name=answerguoguan type=text size=7 tag="_s +
                   QString::number(question.answer) + u"><br><br>"_s;
    // The four consecutive choices hold the answer and never go below 0.
    const int first = std::max(question.answer - firstChoiceOffset, 0);
    for (int j = 1; j <= 4; ++j) {
        const QString value = QString::number(first + j - 1);
        page += (j == 1 ? u"<input type=radio  name=R1 value=V1 tag="_s
                        : u"<input type=radio name="_s + choiceName(j) + u" value=V1 tag="_s) +
                value + u'>' + value + u"&nbsp;&nbsp;"_s;
    }
    return page;
}

void LevelGame::restartAfterFailure(PageDocument &page, LevelGameHost &host, const QString &message)
{
    host.flush(page);
    host.showMessage(message);
    page.setBody(u"做好准备！这次不要轻易出错了哦！"_s);
    host.secondsTimer().setEnabled(false);
    resetLevel(host);
    host.questionTimer().setEnabled(true);
}

void LevelGame::questionTick(PageDocument &page, LevelGameHost &host)
{
    if (!isRunning()) {
        host.questionTimer().setEnabled(false); // the game was left for another node
        return;
    }
    host.questionTimer().setInterval(milliseconds);
    if (++questionNo == 10)
        host.questionTimer().setEnabled(false); // the tenth question has no next tick
    countdown = int(std::lround(milliseconds / 1000.0));
    host.secondsTimer().setEnabled(true);

    const Question question = drawQuestion(kind());
    const int offset = m_random.below(4, 0);
    page.setBody(questionPage(question, offset));
    for (int i = 0; i < score / 10; ++i)
        page.insertHtmlAfter(spanguan, u"<img src=jindu.gif>"_s);

    // The question before this one was not answered right in time.
    if (questionNo * 10 != score + 10)
        restartAfterFailure(page, host, u"规定时间没有答出题，只好从头开始了！"_s);
}

void LevelGame::secondsTick(PageDocument &page, LevelGameHost &host)
{
    if (countdown < 2) {
        host.secondsTimer().setEnabled(false);
        countdown = 0;
        return;
    }
    --countdown;
    page.setInnerHtml(spanguan, QString::number(countdown) + u"秒"_s);
}

void LevelGame::answer(int j, PageDocument &page, LevelGameHost &host)
{
    const int k = kind();
    if (k < 0 || j < 1 || j > 4)
        return;
    for (int i = 1; i <= 4; ++i)
        page.setChecked(choiceName(i), i == j);
    const PageElement *choice = page.find(choiceName(j));
    const QString chosen = choice ? choice->tag : QString();
    page.setValue(guoguan, chosen);
    const PageElement *box = page.find(guoguan);

    if (!box || chosen != box->tag) {
        page.insertTextAfter(guoguan, u"(×)"_s);
        restartAfterFailure(page, host, u"你答错了，只好从头开始了！"_s);
        return;
    }

    // Any further click for this question compares against the empty tag.
    page.setTag(guoguan, QString());
    score += 10;
    page.insertTextAfter(guoguan, QString::number(score) + u"(√)"_s);
    page.insertHtmlAfter(spanguan, u"<img src=jindu.gif>"_s);
    if (score != 100)
        return;

    host.flush(page);
    host.showMessage(u"恭喜，你得到了100分，可以进入下一关了！"_s);
    ++levels[k];
    QString next = u"做好准备！第 "_s + QString::number(levels[k] + 1) + u"关开始了！"_s;
    const auto any = [this](auto test) {
        return std::any_of(std::begin(levels), std::end(levels), test);
    };
    if (any([](int n) { return n == 1; }))
        next += u"<br><br><img src=g1.gif>"_s;
    if (any([](int n) { return n == 2; }))
        next += u"<br><br><img src=g2.gif>"_s;
    if (any([](int n) { return n > 2; }))
        next += u"<br><br><img src=g3.gif>"_s;
    page.setBody(next);
    initnextGG(host);
    resetLevel(host);
    host.questionTimer().setEnabled(true);
}

void LevelGame::initnextGG(LevelGameHost &host)
{
    host.secondsTimer().setEnabled(false);
    const int add = levels[Addition];
    const int sub = levels[Subtraction];
    // Each later rule overrides an earlier one.
    if (add == 1 || sub == 1)
        range = 20;
    if (add == 2 || sub == 2)
        range = 50;
    if (add == 3 || sub == 3)
        range = 100;
    if (add == 4 || sub == 4)
        range = 200;
    if (levels[Multiplication] == 1)
        range = 50;
    if (levels[Multiplication] == 2)
        range = 81;
    if (levels[Division] == 1)
        range = 50;
    if (levels[Division] == 2)
        range = 81;
}

void LevelGame::chooseDifficulty(int j, PageDocument &page)
{
    static constexpr int choices[] = {9000, 7000, 5000};
    if (j < 1 || j > 3)
        return;
    milliseconds = choices[j - 1];
    for (int i = 1; i <= 3; ++i)
        page.setChecked(u'n' + QString::number(i), i == j);
}

} // namespace quorvel
