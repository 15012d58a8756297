// SPDX-License-Identifier: MIT
// The English rules text of the Rules dialog. The dialog's edit control wraps
// words itself, so every paragraph is one line; lines end with "\r\n" as the
// control expects, and the last line has none.
#include "resources/resource_table.h"

namespace resources {
namespace {

constexpr char16_t kEnglishRules[] =
    u"1. Throw-in Durak\r\n"
    u"\r\n"
    u"1.1. Purpose of the game\r\n"
    u"Durak is played with a pack of 36 cards, from the six up to the ace in each "
    u"suit. Within a suit the cards rank from high to low: ace, king, queen, jack, "
    u"ten, nine, eight, seven, six. You play against the computer. The aim is to get "
    u"rid of all your cards: once nothing is left to draw, the first player to run "
    u"out of cards wins, and the one still holding cards is the durak, the fool.\r\n"
    u"Each player is dealt six cards. The next card of the pack is turned face up and "
    u"laid under the remaining cards, the talon. Its suit is trump for the whole "
    u"game, and it will be the last card to be drawn. The program offers three kinds "
    u"of Durak, each with or without transfers; choose one in the options.\r\n"
    u"\r\n"
    u"1.2. Attack\r\n"
    u"In the first game the player holding the lowest trump attacks first; if neither "
    u"player has a trump, you begin. In every later game the winner of the previous "
    u"game attacks first.\r\n"
    u"The attacker opens a bout by laying any card on the table. After the defender "
    u"has answered it, the attacker may throw in more cards, but only of a rank that "
    u"is already on the table, among either the attacking or the covering cards. A "
    u"bout never holds more than six cards to beat, nor more than the defender has in "
    u"hand.\r\n"
    u"\r\n"
    u"1.3. Defend\r\n"
    u"The defender must beat every attacking card as it comes: with a higher card of "
    u"the same suit, or with any trump if the attacking card is not a trump. A trump "
    u"can be beaten only by a higher trump. Each covering card stays on the table "
    u"next to the card it beat.\r\n"
    u"If the defender cannot or does not want to beat a card, he picks up all the "
    u"cards on the table and adds them to his hand. Before he does, the attacker may "
    u"still add cards of the ranks on the table, within the same limits, and the "
    u"defender takes these as well.\r\n"
    u"\r\n"
    u"1.4. End of turn\r\n"
    u"When every attacking card has been beaten and the attacker has nothing more to "
    u"throw in, the bout is over. The cards on the table are discarded and leave the "
    u"game, and the defender attacks in the next bout. A player who picked up the "
    u"cards loses his turn instead: the same player attacks again.\r\n"
    u"After each bout both players draw from the talon until each holds six cards, "
    u"the one who opened the bout first, then the other. A player who already holds "
    u"six cards or more draws nothing. When the talon is used up, the turned-up trump "
    u"goes to whoever needs a card next, and from then on the players play out the "
    u"cards they hold. The game is over as soon as one player has no cards left and "
    u"nothing remains to be drawn.\r\n"
    u"\r\n"
    u"2. Transfer Durak.\r\n"
    u"Transfer Durak is played like throw-in Durak, with one more way to defend. As "
    u"long as no card of the bout has been beaten, the defender may pass the attack "
    u"on instead of beating it: he lays a card of the same rank next to the attacking "
    u"cards. A trump of that rank will do as well. The roles change at once. The "
    u"former attacker now defends and must beat every card on the table, the "
    u"transferred card included, or pick them all up. He may in turn transfer the "
    u"attack back with another card of that rank, and so on.\r\n"
    u"A transfer is allowed only when the new defender holds enough cards to beat "
    u"everything that would then lie on the table. Once a card of the bout has been "
    u"beaten, or a card has been thrown in, the bout can no longer be transferred.\r\n"
    u"\r\n"
    u"3. Bulk Durak \r\n"
    u"In bulk Durak the whole pack is dealt at the start, 18 cards to each player, so "
    u"there is no talon and nobody draws during the game. The last card of the deal "
    u"fixes the trump suit; it stays in the hand of the player who received it, and "
    u"the trump suit is shown beside the table. Otherwise the rules of throw-in Durak "
    u"apply, including the limit of six cards to beat in one bout. Bulk Durak can be "
    u"played with transfers too.\r\n"
    u"\r\n"
    u"4. Japanese Durak\r\n"
    u"Japanese Durak follows the rules of throw-in Durak with two changes. Diamonds "
    u"are always trump, so no card is turned up and all the cards left after the deal "
    u"form the talon. Spades are special: a spade can be beaten only by a higher "
    u"spade, never by a card of another suit, not even by a trump. Japanese Durak can "
    u"be played with transfers too.";

} // namespace

LPCWSTR englishRulesText() {
    return kEnglishRules;
}

} // namespace resources
