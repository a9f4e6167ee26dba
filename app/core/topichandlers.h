#pragma once
// Plugs the pages of the topic families into the dispatch table and their
// grading into the variant order. One function per family, each in its own
// source file.
namespace quorvel {

class MainWindowController;

void registerFractionPages(MainWindowController &controller);
void registerDivisorPages(MainWindowController &controller);
void registerEquationAndAreaPages(MainWindowController &controller);
void registerTimePages(MainWindowController &controller);
void registerMoneyAndInterestPages(MainWindowController &controller);
void registerRatioAndAveragePages(MainWindowController &controller);
void registerMixedOperationAndPatternPages(MainWindowController &controller);

} // namespace quorvel
