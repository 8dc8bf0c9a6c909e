#include "app/help_texts.h"

#include "core/translation.h"

namespace ga {

const TechniqueHelpText& techniqueHelpText(Technique technique) {
    switch (technique) {
        case Technique::kFullHouse: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A row, column or box has one empty cell left, so that cell takes the one "
                    "digit the unit still lacks."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Every unit (a row, column or box) holds each digit from 1 to 9 exactly "
                    "once. When eight cells of a unit are filled, the ninth has no choice: it "
                    "takes the digit that is not there yet.\n\n"
                    "To spot one, look for a unit with a single gap and name the digit missing "
                    "from it. A hint reads like \"box 5: r5c4 is the last empty cell, so it "
                    "takes 3\" (r5c4 is the cell in row 5, column 4). On the board the placed "
                    "value shows in green.\n\n"
                    "It is the easiest step there is, so the ladder always tries it first.")};
            return text;
        }
        case Technique::kHiddenSingle: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A digit has only one cell left in a row, column or box where it can go, so "
                    "it goes there."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Every unit needs each digit once. Pick a digit and a unit and look at the "
                    "unit's empty cells: in most of them the digit is ruled out, because it "
                    "already sits in that cell's row, column or box. When only one cell is "
                    "left, the digit must go there, even if the cell still has other candidates "
                    "(the digits it could still hold).\n\n"
                    "The ladder looks in the boxes first, then the rows, then the columns, "
                    "since a person usually finds them in that order. A hint reads like \"box "
                    "3: 4 fits only in r2c8\". On the board the placed value shows in green.")};
            return text;
        }
        case Technique::kNakedSingle: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP("Help",
                                  "A cell has only one candidate left, so it takes that digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A cell's candidates are the digits its row, column and box still allow: "
                    "every digit already placed in one of those three units is ruled out. When "
                    "just one digit is left, the cell must hold it.\n\n"
                    "Naked singles often appear right after other steps remove candidates, so "
                    "look again at the cells with few candidates after each step. A hint reads "
                    "like \"r6c2: only 8 is left\". On the board the placed value shows in "
                    "green.\n\n"
                    "The difference from a hidden single: here the cell has one digit left; "
                    "there the digit has one cell left.")};
            return text;
        }
        case Technique::kPointing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Inside a box, a digit can go only in cells of one row or one column, so "
                    "the rest of that row or column loses it."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "The box must hold the digit somewhere. If all its places for the digit lie "
                    "on one line, the digit ends up on that line, inside this box. A line holds "
                    "each digit once, so the cells of the line outside the box cannot hold it."
                    "\n\n"
                    "To spot it, pick a box and a digit and check whether the box's candidates "
                    "for that digit sit in a single row or column, two or three cells in a "
                    "line. A hint reads like \"box 5: 3 can go only in row 4, so r4c7 and r4c8 "
                    "lose 3\". On the board the removed candidates are struck through in red.")};
            return text;
        }
        case Technique::kClaiming: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Inside a row or column, a digit can go only in cells of one box, so the "
                    "rest of that box loses it."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "This is pointing the other way round. The row (or column) must hold the "
                    "digit, and all its places for it lie inside one box. So the box's copy of "
                    "the digit will be on that line, and the box's other cells, off the line, "
                    "cannot hold it.\n\n"
                    "To spot it, run along a row or column and check whether every candidate "
                    "for one digit falls in the same box. A hint reads like \"row 2: 7 can go "
                    "only in box 3, so r1c8 and r3c9 lose 7\". On the board the removed "
                    "candidates are struck through in red.")};
            return text;
        }
        case Technique::kNakedPair: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two cells of a unit hold only the same two candidates, so those two digits "
                    "leave every other cell that sees both."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A cell sees another when the two share a unit: a row, column or box. Say "
                    "r4c1 and r4c5 both hold only 2 and 5. One of them will be 2 and the other "
                    "5; we do not know which yet, but together they use up both digits. No "
                    "other cell of row 4 can hold 2 or 5, and if the two cells also share a "
                    "box, neither can the rest of that box.\n\n"
                    "To spot one, look for two cells with the same two candidates in one unit. "
                    "A hint reads like \"row 4: r4c1 and r4c5 hold only 2 and 5, so r4c3 loses "
                    "2; r4c9 loses 2 and 5\". On the board the removed candidates are struck "
                    "through in red.")};
            return text;
        }
        case Technique::kHiddenPair: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two digits of a unit can go only in the same two cells, so those two cells "
                    "lose every other candidate."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Say that in row 4 the digits 2 and 5 both fit only in r4c1 and r4c5. The "
                    "row needs both digits, so these two cells are taken by 2 and 5, one each. "
                    "Any other candidate in them can go.\n\n"
                    "It is called hidden because the pair is buried among other candidates: the "
                    "two cells may show 2, 5, 7 and 9. To spot one, note for each digit the "
                    "cells of the unit where it fits, and look for two digits with the same two "
                    "cells. A hint reads like \"row 4: 2 and 5 can go only in r4c1 and r4c5, so "
                    "r4c1 loses 7; r4c5 loses 3 and 9\". On the board the removed candidates "
                    "are struck through in red.")};
            return text;
        }
        case Technique::kNakedTriple: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Three cells of a unit hold only three digits between them, so those digits "
                    "leave every other cell that sees all three."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "The three cells need three different digits, and only three are open to "
                    "them, so they use up all three. No other cell of the unit can hold any of "
                    "them, nor any other cell of a second unit the three share.\n\n"
                    "A cell need not hold all three digits. Cells holding 1 and 4, 4 and 8, and "
                    "1 and 8 form a triple just as well as three cells holding 1, 4 and 8. That "
                    "makes triples harder to see: look for cells with two or three candidates, "
                    "all drawn from the same three digits.\n\n"
                    "A hint names the three cells and their digits, then what the other cells "
                    "lose. On the board those candidates are struck through in red.")};
            return text;
        }
        case Technique::kHiddenTriple: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Three digits of a unit can go only in the same three cells, so those cells "
                    "lose every other candidate."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "The unit needs all three digits, and only three of its cells can take "
                    "them, so those cells are filled by the three digits in some order. Any "
                    "other candidate in the three cells can go.\n\n"
                    "A digit need not fit in all three cells: it is enough that each of the "
                    "three digits fits only somewhere among them. To spot one, note for each "
                    "digit the cells of the unit where it still fits, and look for three digits "
                    "whose cells together number just three. A hint reads like \"box 2: 5, 6 "
                    "and 8 can go only in r1c6, r2c4 and r2c6, so r1c6 loses 3\". On the board "
                    "the removed candidates are struck through in red.")};
            return text;
        }
        case Technique::kNakedQuad: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Four cells of a unit hold only four digits between them, so those digits "
                    "leave every other cell of the unit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "It works like the naked pair and triple. Four cells need four different "
                    "digits and only four are open to them, so they use up all four, and no "
                    "other cell of the unit can hold any of them. Each of the four cells holds "
                    "two, three or four of the digits; no cell needs all four.\n\n"
                    "Quads are rare and hard to see, because the four cells hide among the "
                    "other empty cells of the unit. Look in a unit with many empty cells, at "
                    "the cells with at most four candidates, and ask whether four of them draw "
                    "on only four digits. A hint names the four cells and their digits. On the "
                    "board the removed candidates are struck through in red.")};
            return text;
        }
        case Technique::kHiddenQuad: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Four digits of a unit can go only in the same four cells, so those cells "
                    "lose every other candidate."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "It works like the hidden pair and triple. The unit needs all four digits, "
                    "and only four of its cells can take them, so those four cells are filled "
                    "by the four digits and every other candidate in them can go. Each digit "
                    "may fit in only some of the four cells.\n\n"
                    "Hidden quads are rare. To find one, note for each digit the cells of the "
                    "unit where it still fits, and look for four digits whose cells together "
                    "number just four. A hint reads like \"column 6: 1, 3, 4 and 9 can go only "
                    "in ...\", then what each of those cells loses. On the board the removed "
                    "candidates are struck through in red.")};
            return text;
        }
        case Technique::kXWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "In two rows a digit can go only in the same two columns (or in two columns "
                    "only in the same two rows), so the rest of those columns (rows) lose it."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Say 4 fits in row 2 only in columns 3 and 8, and in row 7 also only in "
                    "columns 3 and 8. Row 2 puts its 4 in one of the two columns, and row 7 "
                    "must use the other, since a column holds 4 once. So the two 4s fill "
                    "columns 3 and 8 inside rows 2 and 7, and no other cell of those columns "
                    "can be 4.\n\n"
                    "The rows are the base lines, the columns the cover lines; on the board "
                    "they are tinted in two colours. A hint reads like \"rows 2 and 7: 4 can go "
                    "only in columns 3 and 8, so r5c3 and r9c8 lose 4\".")};
            return text;
        }
        case Technique::kFinnedXWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "An X-Wing with extra cells, the fins, in one box: the cells of the cover "
                    "lines in that box, off the base lines, lose the digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Take an X-Wing that nearly works: in two base rows (or columns) the digit "
                    "fits only in two cover columns (or rows), except for a few extra places, "
                    "the fins, all in one box.\n\n"
                    "Either a fin holds the digit or none does. If none does, the X-Wing stands "
                    "and the cover columns lose the digit outside the base rows. If a fin does, "
                    "the rest of its box loses it. A cell in a cover column and in the fins' "
                    "box, but not in a base row, loses it both ways.\n\n"
                    "On the board the fins are marked. A hint reads like \"rows 2 and 7: 4 can "
                    "go only in columns 3 and 8 or in the fin r7c9; either way r8c8 loses 4\".")};
            return text;
        }
        case Technique::kSashimiXWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A finned X-Wing with a corner missing: one cover line meets the base lines "
                    "in a single cell, so without the fins there would be no X-Wing at all."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "One of the four corners of the rectangle has no candidate for the digit, "
                    "and fins in one box stand in for it. The reasoning is the finned X-Wing's: "
                    "either a fin holds the digit, so the rest of its box loses it, or no fin "
                    "does, so the X-Wing stands and the cover lines lose it outside the base "
                    "lines. A cell in a cover line and in the fins' box, but not in a base "
                    "line, loses the digit both ways.\n\n"
                    "When each base line holds the digit in just two cells, the same pattern is "
                    "a Skyscraper, and the ladder shows it under that name. On the board the "
                    "fins are marked.")};
            return text;
        }
        case Technique::kSwordfish: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "In three rows a digit can go only in the same three columns (or the other "
                    "way round), so the rest of those columns lose it."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "It is an X-Wing with three lines instead of two. Say that in rows 1, 4 and "
                    "8 the digit 6 fits only in columns 2, 5 and 9. Each of the three rows "
                    "needs a 6 and no column can hold two, so the three 6s take one cell of "
                    "each column, all inside the three rows. The other cells of columns 2, 5 "
                    "and 9 lose 6.\n\n"
                    "A base row need not have all three places; two are enough, as long as the "
                    "three rows together use only three columns. That makes a Swordfish hard to "
                    "see. On the board the base lines and cover lines are tinted in two colours.")};
            return text;
        }
        case Technique::kFinnedSwordfish: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A Swordfish with extra cells, the fins, in one box: the cells of the cover "
                    "lines in that box, off the base lines, lose the digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "In three base lines (rows, or columns) the digit fits only in three cover "
                    "lines (columns, or rows), except for a few extra places, the fins, all in "
                    "one box.\n\n"
                    "Either a fin holds the digit or none does. If none does, the Swordfish "
                    "stands and the cover lines lose the digit outside the base lines. If a fin "
                    "does, the rest of its box loses it. So a cell in a cover line and in the "
                    "fins' box, but not in a base line, loses the digit both ways.\n\n"
                    "On the board the base and cover lines are tinted in two colours and the "
                    "fins are marked. A hint names the lines, the fins and the cells that lose "
                    "the digit.")};
            return text;
        }
        case Technique::kSashimiSwordfish: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A finned Swordfish in which one cover line meets the base lines in a "
                    "single cell, so without the fins there would be no Swordfish at all."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "The pattern is thinner than a finned Swordfish: a cover line has only one "
                    "cell in the base lines, and fins in one box stand in for what is missing. "
                    "The reasoning stays the same. Either a fin holds the digit, so the rest of "
                    "its box loses it, or no fin does, so the Swordfish stands and the cover "
                    "lines lose it outside the base lines.\n\n"
                    "A cell that is in a cover line and in the fins' box, but not in a base "
                    "line, loses the digit both ways. On the board the base and cover lines are "
                    "tinted in two colours, the fins are marked, and the removed candidates are "
                    "struck through in red.")};
            return text;
        }
        case Technique::kJellyfish: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "In four rows a digit can go only in the same four columns (or the other "
                    "way round), so the rest of those columns lose it."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "It is the X-Wing and the Swordfish with four lines. Each of the four base "
                    "rows needs the digit, and none of the four cover columns can hold it "
                    "twice, so the four copies take one cell of each cover column, all inside "
                    "the base rows. The other cells of the cover columns lose the digit.\n\n"
                    "A base row may have two, three or four places for the digit, as long as "
                    "the four rows together use only four columns. A Jellyfish is rare and very "
                    "hard to see by eye. On the board the base lines and cover lines are tinted "
                    "in two colours, and the removed candidates are struck through in red.")};
            return text;
        }
        case Technique::kSkyscraper: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two parallel lines each hold a digit in exactly two cells, with one end of "
                    "each in the same crossing line; a cell that sees both other ends loses the "
                    "digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A unit where a digit has exactly two places is a strong link: one of the "
                    "two cells holds it. Say column 1 has 7 only in r2c1 and r8c1, and column 5 "
                    "only in r3c5 and r8c5. The bottom ends share row 8, so at most one of them "
                    "is 7. If r8c1 is not 7, r2c1 is; if r8c1 is 7, r8c5 is not, so r3c5 is. "
                    "Either way one of the top ends, r2c1 or r3c5, is 7.\n\n"
                    "So a cell that sees both top ends (shares a row, column or box with each), "
                    "such as r2c4 or r3c2, loses 7. On the board the four cells are ringed.")};
            return text;
        }
        case Technique::kTwoStringKite: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A digit has exactly two places in a row and two in a column, and one end "
                    "of each is in the same box; a cell that sees both other ends loses the "
                    "digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A unit where a digit has exactly two places is a strong link: one of the "
                    "two cells holds it. Say row 3 has 5 only in r3c2 and r3c7, and column 1 "
                    "only in r1c1 and r6c1. The ends r3c2 and r1c1 share box 1, so at most one "
                    "of them is 5. If r3c2 is not 5, r3c7 is; if r3c2 is 5, r1c1 is not, so "
                    "r6c1 is. Either way r3c7 or r6c1 is 5.\n\n"
                    "So r6c7, in row 6 with one and column 7 with the other, loses 5. The row "
                    "and the column are the two strings; the box ties them. On the board the "
                    "four cells are ringed.")};
            return text;
        }
        case Technique::kTurbotFish: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two strong links on one digit, joined at one end each by a shared unit, "
                    "when they are neither a Skyscraper nor a 2-String Kite; a cell that sees "
                    "both free ends loses the digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A strong link is a unit where the digit has exactly two places, so one of "
                    "the two holds it. Say box 1 has 8 only in r1c2 and r3c3, and column 7 only "
                    "in r3c7 and r9c7. The ends r3c3 and r3c7 share row 3, so at most one is 8. "
                    "If r1c2 is not 8, r3c3 is, so r3c7 is not and r9c7 is. Either way r1c2 or "
                    "r9c7 is 8.\n\n"
                    "So r1c7 and r9c2, which see both free ends, lose 8. The ladder uses this "
                    "name when a link lies in a box, or when two parallel links are joined "
                    "through a box. On the board the four cells are ringed.")};
            return text;
        }
        case Technique::kEmptyRectangle: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A digit's places in a box all lie on one row and one column of it; with a "
                    "strong link on a line crossing them outside the box, one cell loses the "
                    "digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Say box 5 has 5 only in cells of row 4 and column 6, in a cross, and not "
                    "all on one of them; the box's other cells form the empty rectangle. "
                    "Wherever the box's 5 goes, it is in row 4 or column 6.\n\n"
                    "Now column 2 has 5 only in r4c2 and r8c2: a strong link, so one of them is "
                    "5. If r4c2 is 5, row 4 has its 5, so box 5's 5 is in column 6. If not, "
                    "r8c2 is 5. Either way r8c6 sees a 5, in column 6 or in row 8, and loses "
                    "it. A hint tells it the same way, ending \"r8c6 loses 5\".")};
            return text;
        }
        case Technique::kXYWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A cell holding only x and y sees a cell holding only x and z and one "
                    "holding only y and z; one of those two is z, so a cell that sees both "
                    "loses z."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "The middle cell is the pivot, the other two the pincers. A cell sees "
                    "another when the two share a row, column or box. Say pivot r5c5 holds 3 "
                    "and 7, r5c1 holds 3 and 9, and r2c5 holds 7 and 9. If r5c5 is 3, r5c1 is "
                    "not 3, so it is 9. If r5c5 is 7, r2c5 is 9. Either way a pincer is 9, so "
                    "r2c1, which sees both pincers, loses 9.\n\n"
                    "To spot one, look at the cells with two candidates around a cell with two. "
                    "On the board the chain through the three cells is drawn, its nodes ringed.")};
            return text;
        }
        case Technique::kXYZWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A cell holding only x, y and z sees one cell holding only x and z and "
                    "another holding only y and z; one of the three is z, so a cell that sees "
                    "all three loses z."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "It is an XY-Wing whose pivot also holds z. Say pivot r5c5 holds 1, 4 and "
                    "8, r4c6 holds 4 and 8, and r5c2 holds 1 and 8. If r5c5 is 1, r5c2 is 8. If "
                    "r5c5 is 4, r4c6 is 8. If r5c5 is 8, it is z itself. So one of the three "
                    "cells is 8.\n\n"
                    "Because the pivot may be the 8, only a cell that sees all three loses it. "
                    "Such cells usually sit in the pivot's box, on the line it shares with a "
                    "pincer: here r5c4 and r5c6 lose 8. On the board the three cells are ringed.")};
            return text;
        }
        case Technique::kWWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two cells holding only the same x and y, joined by a strong link on x; one "
                    "of them is y, so a cell that sees both loses y."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A strong link on x is a unit where x has exactly two places, so one of "
                    "them holds it. Say r2c2 and r7c8 both hold only 4 and 6, and column 5 has "
                    "4 only in r2c5, which sees r2c2, and r7c5, which sees r7c8. Suppose "
                    "neither cell is 6: then both are 4, so neither r2c5 nor r7c5 can be 4, and "
                    "column 5 has nowhere left for its 4. So r2c2 or r7c8 is 6.\n\n"
                    "A cell that sees both, such as r2c8 or r7c2, loses 6. On the board the "
                    "chain is drawn: nodes ringed, the strong links as solid arrows, the weak "
                    "links (two cells that cannot both hold 4) as dashed ones.")};
            return text;
        }
        case Technique::kUniqueRectangle1: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Three corners of a rectangle hold only the same two digits, so the fourth "
                    "loses both, or the puzzle would have two answers."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Used only on a puzzle known to have exactly one answer. Take four empty "
                    "cells at the corners of a rectangle in two rows, two columns and exactly "
                    "two boxes. If all four ended up with only 2 and 9, the 2s and 9s could "
                    "swap around the rectangle and every row, column and box would still be "
                    "right: two answers. A puzzle with one answer never lets that happen.\n\n"
                    "Say r1c1, r1c4 and r2c1 hold only 2 and 9, and r2c4 holds 2, 5 and 9. If "
                    "r2c4 were 2 or 9, the swap would be open, so r2c4 loses 2 and 9. A hint "
                    "reads like \"Unique Rectangle Type 1 on 2 and 9: ...: r2c4 loses 2 and 9\".")};
            return text;
        }
        case Technique::kUniqueRectangle2: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two corners of a rectangle hold only x and y, the other two only x, y and "
                    "the same z; one of those two is z, so a cell that sees both loses z."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Used only on a puzzle known to have exactly one answer. Four empty cells "
                    "at the corners of a rectangle in two rows, two columns and exactly two "
                    "boxes must never end up with the same two digits only: they could swap, "
                    "and the puzzle would have two answers.\n\n"
                    "Say r1c1 and r1c4 hold only 2 and 9, while r2c1 and r2c4 hold 2, 6 and 9. "
                    "If neither r2c1 nor r2c4 were 6, all four corners would be left with 2 and "
                    "9. So one of them is 6, and every cell that sees both (shares a row, "
                    "column or box with each), here the rest of row 2, loses 6.")};
            return text;
        }
        case Technique::kUniqueRectangle4: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two corners of a rectangle hold only x and y, and the other two are the "
                    "only places for x in a unit; one of them is x, so neither may be y."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Used only on a puzzle known to have exactly one answer. Four empty cells "
                    "at the corners of a rectangle in two rows, two columns and exactly two "
                    "boxes must never end up with the same two digits only: they could swap, "
                    "and the puzzle would have two answers.\n\n"
                    "Say r1c1 and r1c4 hold only 2 and 9, and row 2 has 2 only in r2c1 and "
                    "r2c4. One of those two is 2. If the other were 9, the four corners would "
                    "hold just 2 and 9, ready to swap. So neither can be 9: r2c1 and r2c4 both "
                    "lose 9 and keep their other candidates.")};
            return text;
        }
        case Technique::kSimpleColouring: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "One digit's cells joined by strong links get two colours in turn; a colour "
                    "that meets itself is false, and a cell seeing both colours loses the digit."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A strong link is a unit where the digit has exactly two places: one holds "
                    "it, the other does not. Colour one such cell, give its partner the other "
                    "colour, and so on along every strong link, swapping colour each time. One "
                    "colour holds the digit in all its cells, the other in none.\n\n"
                    "The ladder first looks for a wrap: two cells of one colour in the same "
                    "row, column or box. They cannot both hold the digit, so that colour is "
                    "false and all its cells lose it. Otherwise it looks for a trap: a cell "
                    "outside the colouring that sees both colours. It sees the digit either way "
                    "and loses it. On the board the cells are ringed in the two colours.")};
            return text;
        }
        case Technique::kXChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A chain on one digit whose links are strong and weak in turn, strong at "
                    "both ends; one end holds the digit, so a cell that sees both ends loses it."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A strong link joins the only two places of the digit in a unit: if one "
                    "lacks the digit, the other has it. A weak link joins two cells that see "
                    "each other (share a row, column or box): if one has the digit, the other "
                    "lacks it.\n\n"
                    "Suppose the first cell lacks the digit. The links put it in the next cell, "
                    "take it from the one after, and so on, until the last link puts it in the "
                    "last cell. So one of the two ends holds it.\n\n"
                    "A hint writes the chain like \"r1c2≠3 → r1c7=3 → r4c7≠3 → ...\" (≠ for \""
                    "is not\"). On the board strong links are solid arrows, weak links dashed.")};
            return text;
        }
        case Technique::kXYChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A chain of cells with two candidates each, every cell seeing the next and "
                    "sharing a digit with it; one end is z, so cells seeing both ends lose z."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "In a cell with two candidates, if one digit is out the other is in: a "
                    "strong link. Two cells that see each other (share a row, column or box) "
                    "cannot hold the same digit: a weak link.\n\n"
                    "Start in a cell holding z and another digit, and suppose it is not z. Then "
                    "it holds the other digit, so the next cell, which sees it and holds that "
                    "digit too, takes its own other digit, and so on. The chain ends in a cell "
                    "that this forces to be z. So the first cell or the last is z.\n\n"
                    "A hint names each cell twice, off then on: \"r1c1≠4 → r1c1=6 → r1c5≠6 → "
                    "r1c5=8 → ...\".")};
            return text;
        }
        case Technique::kAlternatingChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Strong and weak links in turn, over any digits and cells; one end of the "
                    "chain is true, so a candidate clashing with both ends goes."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A node is a candidate, a digit in a cell, or a group: a digit in two or "
                    "three cells of a box on one line, meaning \"in one of these\" (r1c12 is "
                    "r1c1 and r1c2). A strong link says at least one of two nodes is true: the "
                    "only two candidates of a cell, or the only two places of a digit in a "
                    "unit. A weak link says they cannot both be true: two candidates of one "
                    "cell, or one digit in cells that see each other.\n\n"
                    "The chain starts and ends with strong links. If its first node is false, "
                    "its last is true, so one end is true. A candidate goes when each end, if "
                    "true, would rule it out: for instance the ends' digit in a cell seeing "
                    "both.")};
            return text;
        }
        case Technique::kAlsXZ: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Two almost locked sets that cannot both hold x; one of them holds a shared "
                    "digit z, so a cell seeing every z in both loses z."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "An almost locked set is N cells of one unit with N + 1 candidates between "
                    "them, such as a single cell with two. If it loses one digit, the others "
                    "fill its cells.\n\n"
                    "Say every x of one set sees (shares a row, column or box with) every x of "
                    "the other. They cannot both hold x, so one lacks it and holds all its "
                    "other digits. If both hold z, one holds z, and a cell outside both that "
                    "sees every z of both loses z.\n\n"
                    "If a second digit y links them the same way (doubly linked), each set "
                    "holds one of x and y and all its other digits. Then x and y leave cells "
                    "that see all their places in both sets, and each other digit leaves cells "
                    "that see all its places in one set.")};
            return text;
        }
        case Technique::kAlsXYWing: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Three almost locked sets linked in a chain, by x and then by y; the two "
                    "outer ones cannot both lack a shared digit z, so cells seeing all their "
                    "z's lose z."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "An almost locked set is N cells of one unit with N + 1 candidates between "
                    "them; if it loses one digit, the others fill its cells. Two sets are "
                    "linked by x when every x of one sees every x of the other: they cannot "
                    "both hold x.\n\n"
                    "The first set links to a middle set by x, the middle set to the third by "
                    "y, and the first and third share z. If the first lacks z, it holds all its "
                    "other digits, x among them. Then the middle set lacks x and holds y, so "
                    "the third lacks y and holds z. So a cell outside the three that sees every "
                    "z of the first and third sets loses z.")};
            return text;
        }
        case Technique::kCellForcingChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Every candidate of one cell, tried in turn, leads to the same fact, so "
                    "that fact is true whatever the cell holds."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Suppose the cell holds its first candidate and follow what that forces, as "
                    "if playing it out on a copy of the board: the digit leaves the cell's row, "
                    "column and box, which makes new singles, which are placed in turn. Do the "
                    "same for each other candidate. If every try places the same digit in some "
                    "cell, or removes the same candidate, that placement or removal is sure.\n\n"
                    "The ladder looks at cells with fewest candidates first, whose chains are "
                    "fewest and shortest. A hint gives one chain per candidate, like \"r4c4=1 → "
                    "r4c6≠1 → ...; r4c4=7 → ...\". Each arrow is a link: a placed digit is "
                    "ruled out in the cells that see it (a weak link), and a last remaining "
                    "choice must be true (a strong link).")};
            return text;
        }
        case Technique::kUnitForcingChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Every place of a digit in one row, column or box, tried in turn, leads to "
                    "the same fact, so that fact is true wherever the digit goes."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "The unit must hold the digit in one of its places. Suppose it is in the "
                    "first place and follow what that forces, as if playing it out on a copy of "
                    "the board: the digit leaves its row, column and box, which makes new "
                    "singles, which are placed in turn. Do the same for each other place. If "
                    "every try places the same digit in some cell, or removes the same "
                    "candidate, that placement or removal is sure.\n\n"
                    "The ladder looks at digits with the fewest places first. A hint gives one "
                    "chain per place, each from its assumption, like \"r2c3=5 → r2c8≠5 → ...; "
                    "r6c3=5 → ...\", ≠ for \"is not\". On the board the chains' nodes are "
                    "ringed.")};
            return text;
        }
        case Technique::kContradictionForcingChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A candidate whose assumption leads, through singles, to a cell with no "
                    "candidate or a digit with no place is false and is removed."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "Suppose the candidate is the cell's value and follow what that forces, as "
                    "if playing it out on a copy of the board: the digit leaves its row, column "
                    "and box, which makes new singles, which are placed in turn. If this ends "
                    "in an impossible board, a cell with no candidate left or a unit with no "
                    "place left for some digit, the assumption was wrong.\n\n"
                    "The ladder tries the cells with fewest candidates first and shows the "
                    "shortest chain it finds. A hint reads like \"r2c2=5 → r2c7≠5 → ..., and "
                    "r6c3 has no candidate left; so r2c2 loses 5\". On the board the assumption "
                    "and the place where it breaks are tinted.")};
            return text;
        }
        case Technique::kNestedForcingChain: {
            static const TechniqueHelpText text{
                QT_TRANSLATE_NOOP(
                    "Help",
                    "A contradiction forcing chain that, while it follows its assumption, also "
                    "runs smaller contradiction chains inside it to remove more candidates."),
                QT_TRANSLATE_NOOP(
                    "Help",
                    "It is the last rung, for when nothing else works. As in a contradiction "
                    "forcing chain, suppose a candidate is true and follow what it forces until "
                    "the board breaks. But at each point of the way, also try every remaining "
                    "candidate on the board reached so far: one whose own singles would break "
                    "that board is removed, and the outer chain goes on with it gone. A hint "
                    "marks those removals \"(by an inner chain)\".\n\n"
                    "On a puzzle known to have one answer, when one level of inner chains is "
                    "not enough, the ladder goes a level deeper, and deeper still if it must. "
                    "There every wrong candidate fails at some depth, so this rung always finds "
                    "a step.")};
            return text;
        }
        case Technique::kNone:
            break;
    }
    static const TechniqueHelpText none{"", ""};
    return none;
}

}  // namespace ga
