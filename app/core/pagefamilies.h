#pragma once
// Every page family of the program, each in a handler file of its own. A new
// family is a generator in its library, a handler file with its register
// function, and one line in registerPageFamilies().
#include "app/core/pagefamily.h"

#include <memory>

namespace quorvel {

class GameFamily;

// The answer-choice flags of the olympiad explanation pages.
struct ExplanationChoices
{
    bool choiceCorrect = false; // the last choice clicked is the right one
    bool choiceMade = false;    // a choice has been clicked on the page
    bool answerEmpty = false;   // the answer box was empty at the last mouse-down
    int boundOn = -1;           // the page whose choices are bound
};

// The families whose state the window and the tests look at.
struct PageFamilies
{
    std::shared_ptr<GameFamily> games;
    std::shared_ptr<ExplanationChoices> explanations;
};

// A stored explanation as HTML: its text escaped, then "[br]" as a line
// break, "[img" … "]]]]]]" as an image.
QString explanationHtml(const QString &stored);

PageFamilies registerPageFamilies(FamilyRegistry &registry, FamilyContext &context);

// The register function of each handler file.
void registerFourOperationPages(FamilyRegistry &registry, FamilyContext &context);
std::shared_ptr<GameFamily> registerGames(FamilyRegistry &registry, FamilyContext &context);
void registerClock(FamilyRegistry &registry, FamilyContext &context);
void registerReferencePages(FamilyRegistry &registry, FamilyContext &context);
void registerProblemCollections(FamilyRegistry &registry, FamilyContext &context);
void registerPapersAndLectures(FamilyRegistry &registry, FamilyContext &context);
void registerFractionPages(FamilyRegistry &registry, FamilyContext &context);
void registerDivisorPages(FamilyRegistry &registry, FamilyContext &context);
void registerEquationAndAreaPages(FamilyRegistry &registry, FamilyContext &context);
void registerTimePages(FamilyRegistry &registry, FamilyContext &context);
void registerMoneyAndInterestPages(FamilyRegistry &registry, FamilyContext &context);
void registerRatioAndAveragePages(FamilyRegistry &registry, FamilyContext &context);
void registerMixedOperationAndPatternPages(FamilyRegistry &registry, FamilyContext &context);
std::shared_ptr<ExplanationChoices> registerExplanationPages(FamilyRegistry &registry,
                                                             FamilyContext &context);

} // namespace quorvel
