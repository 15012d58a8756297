// SPDX-License-Identifier: MIT
// The handheld computer player's rules in words, in both languages of the
// interface. Each sentence follows "The computer" / "Компьютер".
#include "resources/computer_rules.h"

namespace resources {
namespace {

struct RuleText {
    ComputerRule rule;
    LPCWSTR texts[languageCount]; // by language: Russian, English
};

constexpr RuleText ruleTexts[] = {
    {RULE_TRANSFER_FEW_CARDS,
     {u"перевёл картой %c: когда карт почти не осталось, перевод всегда выгоден.",
      u"transferred with %c: with so few cards left, passing the attack on is always worth "
      u"it."}},
    {RULE_TRANSFER_PAIR,
     {u"перевёл картой %c: у него было две карты этого достоинства, одну он отдал, другую "
      u"оставил.",
      u"transferred with %c: it held two cards of that rank, so it passed the attack on and "
      u"kept one."}},
    {RULE_TRANSFER_TALON,
     {u"перевёл картой %c: в колоде ещё %n карт(ы), он скоро доберёт.",
      u"transferred with %c: %n cards are still in the talon, so it will draw again soon."}},
    {RULE_TRANSFER_SAFE,
     {u"перевёл картой %c: колода кончилась, а у вас нет карты этого достоинства, чтобы "
      u"перевести обратно.",
      u"transferred with %c: the talon is empty, and you hold no card of that rank to pass it "
      u"back."}},
    {RULE_COVER_ALL,
     {u"отбил все карты сразу, каждую самой дешёвой картой, которая её бьёт.",
      u"beat every card at once, each with the cheapest card that beats it."}},
    {RULE_TAKE_ALL,
     {u"взял: после перевода он отбивает все карты или ни одной, а все отбить не смог.",
      u"took: after a transfer it beats every card or none, and it could not beat them all."}},
    {RULE_COVER_ENDGAME,
     {u"побил картой %c: колода кончилась, и у вас нет карты этого достоинства, чтобы "
      u"подкинуть.",
      u"covered with %c: the talon is empty, and you hold no card of that rank to throw in."}},
    {RULE_COVER_LOWEST,
     {u"побил картой %c: это младшая карта той же масти, которая бьёт.",
      u"covered with %c, the lowest card of the suit that beats it."}},
    {RULE_COVER_HIGHEST,
     {u"побил картой %c: это старшая карта той же масти, какую он готов отдать. В колоде ещё "
      u"%n карт(ы), и младшие карты он бережёт на потом.",
      u"covered with %c, the highest card of the suit it would spend: %n cards are still in "
      u"the talon, so it keeps its low cards for later."}},
    {RULE_TAKE_SPADE,
     {u"взял: пику бьёт только старшая пика, а такой, которую стоит отдать сейчас, у него "
      u"нет.",
      u"took: only a higher spade beats a spade, and it had none it would spend now."}},
    {RULE_TAKE_TRUMP,
     {u"взял: козырь бьёт только старший козырь, а такого, которого стоит отдать сейчас, у "
      u"него нет.",
      u"took: only a higher trump beats a trump, and it had none it would spend now."}},
    {RULE_TAKE_NO_TRUMP,
     {u"взял: старшей карты этой масти у него нет, козырей тоже.",
      u"took: it had no higher card of the suit and holds no trump."}},
    {RULE_COVER_TRUMP_RANK,
     {u"побил козырем %c того же достоинства, что и битая карта: старшей карты этой масти у "
      u"него не было.",
      u"covered with the trump %c, of the same rank as the card it beat: it had no higher card "
      u"of the suit."}},
    {RULE_COVER_TRUMP,
     {u"побил козырем %c, младшим из тех, что он готов отдать: старшей карты этой масти у "
      u"него не было.",
      u"covered with the trump %c, the lowest trump it would spend: it had no higher card of "
      u"the suit."}},
    {RULE_TAKE_KEPT_TRUMPS,
     {u"взял и сберёг козыри: в колоде ещё %n карт(ы), а козырь, отданный сейчас, обычно "
      u"пропадает зря.",
      u"took and kept its trumps: %n cards are still in the talon, and a trump spent now is "
      u"usually wasted."}},
    {RULE_LEAD_SAFE,
     {u"пошёл с %c: колода кончилась, а побить эту карту вам нечем.",
      u"led %c: the talon is empty, and you cannot beat it."}},
    {RULE_LEAD_SPADE_LAST,
     {u"пошёл с пики %c: колода кончилась, а пику бьёт только старшая пика.",
      u"led the spade %c: the talon is empty, and only a higher spade beats a spade."}},
    {RULE_LEAD_SPADE_RANK,
     {u"пошёл с %c: колода почти кончилась, и он открывает достоинство, которое держит вместе "
      u"с пикой, чтобы подкинуть остальные.",
      u"led %c: with the talon nearly drawn it opens a rank it holds with a spade, so the rest "
      u"follow as throw-ins."}},
    {RULE_LEAD_PAIR,
     {u"пошёл с %c: у него несколько карт этого достоинства, остальные он оставил, чтобы "
      u"подкинуть.",
      u"led %c from a rank it holds twice or more: it keeps the others for throwing in."}},
    {RULE_LEAD_LOWEST,
     {u"пошёл с %c, своей младшей некозырной карты.",
      u"led %c, its lowest card that is not a trump."}},
    {RULE_LEAD_TRUMP,
     {u"пошёл с %c, своего младшего козыря: других карт у него нет.",
      u"led %c, its lowest trump: it holds nothing but trumps."}},
    {RULE_THROW_IN,
     {u"подкинул %c: карту того же достоинства, что на столе, и не козырь.",
      u"threw in %c: a card of a rank on the table, and no trump."}},
    {RULE_THROW_IN_TRUMP,
     {u"подкинул козырь %c: других карт тех достоинств, что на столе, у него нет, а в колоде "
      u"%n карт(ы), так что козырь можно отдать.",
      u"threw in the trump %c: it had nothing else of a rank on the table, and with %n cards "
      u"in the talon a trump may go."}},
    {RULE_STOP,
     {u"сказал «бито»: у него нет карт тех достоинств, что на столе, которые стоило бы отдать.",
      u"ended the attack: it holds no card of a rank on the table that it would spend."}},
    {RULE_STOP_NO_CARDS,
     {u"сказал «бито»: у вас не осталось карт, чтобы отбиваться.",
      u"ended the attack: you have no cards left to beat with."}},
    {RULE_ADD,
     {u"подкинул вдогонку %c: карту того же достоинства, что на столе, и не козырь.",
      u"added %c to what you take: a card of a rank on the table, and no trump."}},
    {RULE_STOP_ADDING,
     {u"больше ничего не подкинул вдогонку: у него нет карт тех достоинств, что на столе, "
      u"которые стоило бы отдать, а козырей вдогонку он не даёт.",
      u"added nothing more to what you take: it holds no card of a rank on the table that it "
      u"would give away, and it never adds a trump."}},
};

} // namespace

LPCWSTR computerRuleText(int rule, Language language) {
    const int index = languageIndex(language);
    if (index < 0) {
        return nullptr;
    }
    for (const RuleText& text : ruleTexts) {
        if (text.rule == rule) {
            return text.texts[index];
        }
    }
    return nullptr;
}

} // namespace resources
