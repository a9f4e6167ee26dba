#include "app/core/pagefamilies.h"

#include "app/core/gamefamily.h"

namespace quorvel {

PageFamilies registerPageFamilies(FamilyRegistry &registry, FamilyContext &context)
{
    PageFamilies families;
    registerFourOperationPages(registry, context);
    families.games = registerGames(registry, context);
    registerClock(registry, context);
    registerReferencePages(registry, context);
    registerProblemCollections(registry, context);
    registerPapersAndLectures(registry, context);
    registerFractionPages(registry, context);
    registerDivisorPages(registry, context);
    registerEquationAndAreaPages(registry, context);
    registerTimePages(registry, context);
    registerMoneyAndInterestPages(registry, context);
    registerRatioAndAveragePages(registry, context);
    registerMixedOperationAndPatternPages(registry, context);
    families.explanations = registerExplanationPages(registry, context);
    return families;
}

} // namespace quorvel
