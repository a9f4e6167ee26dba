#pragma once
// The games of the window: the arithmetic level game of "加减乘除", and under
// "数学游戏" the description, the 24-point game, the memory cards and the game
// pages shipped as files. Their state lives for the whole run.
#include "app/core/pagefamily.h"
#include "drills/levelgame.h"
#include "games/memorygame.h"
#include "games/twentyfour.h"

namespace quorvel {

// The page of a game node by its tag number: 测试心算能力 (65) flash/1.htm,
// 测试点击速度 (66) flash/2.htm, then 找数字求和 (63) flash/3.htm and on in tree
// order to 数形状 (612) flash/18.htm; empty for a node with no page.
QString gameFile(int number);

class GameFamily final : private LevelGameHost
{
public:
    explicit GameFamily(FamilyContext &context);
    void registerWith(FamilyRegistry &registry);

    LevelGame levelGame;
    TwentyFourGame twentyFour;
    MemoryGame memoryGame;

private:
    void pageEvent(const QString &kind, const QString &targetName, PageDocument &page);

    // LevelGameHost
    TimerControl &questionTimer() override;
    TimerControl &secondsTimer() override;
    void flush(PageDocument &page) override;
    void showMessage(const QString &text) override;

    FamilyContext &m_context;
    int m_memoryPage = -1;          // the page that holds the memory game's countdown
    int m_choicesBoundOn = -1;      // R1 to R4 of the level game
    int m_difficultiesBoundOn = -1; // n1 to n3 of the level game
};

} // namespace quorvel
