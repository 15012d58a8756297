// SPDX-License-Identifier: MIT
// The string table: every text the player reads, once in each language of
// the interface, and the accelerator table.
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace resources {
namespace {

struct LocalText {
    int id;
    LPCWSTR texts[languageCount]; // by language: Russian, English
};

// The Russian texts keep their spaces exactly, the odd ones included: the
// status line shows them as they are.
constexpr LocalText strings[] = {
    {IDS_TITLE, {u"Дурак", u"Durak"}},
    {IDS_CLASS_NAME, {u"ДУРАК", u"ДУРАК"}},

    {IDS_STATUS_TRANSFERRED, {u"Перевод!", u"Transfer!"}},
    {IDS_STATUS_OK_YOUR_TURN, {u"Ок. Ваш ход!", u"OK. Your turn!"}},
    {IDS_STATUS_YOUR_TURN, {u"Ваш ход!", u"Your turn!"}},
    {IDS_STATUS_TOOK_EXTRA,
     {u"Вы взяли %d ,\r\n включая %d дополнительно.", u"You took %d,\r\nincluding %d extra."}},
    {IDS_STATUS_TOOK, {u"Вы взяли %d ", u"You took %d."}},
    {IDS_STATUS_SIX_CARDS, {u"Ок (6 карт). Мой ход.", u"OK (6 cards). My turn."}},
    {IDS_STATUS_NO_CARDS, {u"Ок (0 карт). Мой ход.", u"OK (0 cards). My turn."}},
    {IDS_STATUS_SELECT_COUNT, {u"Выберите %d карт(ы)", u"Select %d card(s)"}},
    {IDS_STATUS_WRONG_CARDS, {u"Выбраны неверные карты", u"Wrong cards selected"}},
    {IDS_STATUS_SELECT_CARDS, {u"   Пожалуйста выберите карты!", u"Please select cards!"}},
    {IDS_HINT_LEAD, {u"Подсказка: ходите %s", u"Hint: lead %s"}},
    {IDS_HINT_THROW_IN, {u"Подсказка: подкиньте %s", u"Hint: throw in %s"}},
    {IDS_HINT_COVER, {u"Подсказка: бейте %s", u"Hint: cover with %s"}},
    {IDS_HINT_TRANSFER, {u"Подсказка: переводите %s", u"Hint: transfer with %s"}},
    {IDS_HINT_TAKE, {u"Подсказка: возьмите", u"Hint: take"}},
    {IDS_HINT_DONE, {u"Подсказка: бито", u"Hint: done, press OK"}},
    {IDS_HINT_CARD_NAMES, {u"6789XВДКТбчтп", u"6789XJQKADHCS"}},
    {IDS_WHY_BEGINNER,
     {u"Новичок %s: первое, что подошло.", u"The beginner %s: the first thing that fitted."}},
    {IDS_WHY_EXPERT,
     {u"Эксперт %s: выигрыш примерно в %d%% разыгрышей.\r\nЛучшее другое: %s, %d%%.",
      u"The expert %s: won about %d%% of its playouts.\r\nNext best: %s, %d%%."}},
    {IDS_WHY_ONLY,
     {u"Компьютер %s: другого хода не было.", u"The computer %s: there was no other move."}},
    {IDS_MOVE_LEAD, {u"пошёл %s", u"led %s"}},
    {IDS_MOVE_THROW_IN, {u"подкинул %s", u"threw in %s"}},
    {IDS_MOVE_COVER, {u"побил %s", u"covered with %s"}},
    {IDS_MOVE_TRANSFER, {u"перевёл %s", u"transferred with %s"}},
    {IDS_MOVE_TAKE, {u"взял", u"took"}},
    {IDS_MOVE_DONE, {u"закончил", u"stopped"}},

    {IDS_ASK_TRANSFER, {u"Перевод?", u"Transfer?"}},
    {IDS_COMPUTER_WON, {u"Я победил!", u"I won!"}},
    {IDS_HUMAN_WON, {u"Вы победили!", u"You won!"}},
    {IDS_ERROR_NO_ANSWER, {u"ERROR: vrag ne sdelal xod!", u"ERROR: the opponent made no move!"}},
    {IDS_ERROR_TABLE_IN_USE,
     {u"ERROR: xodit vrag, a activ ne pust!", u"ERROR: opponent leads, table not empty!"}},
    {IDS_ABOUT_FORMAT,
     {u"%s %d.%d\r\n\r\nКарточная игра \"Дурак\"\r\nдля одного игрока",
      u"%s %d.%d\r\n\r\nThe card game \"Durak\"\r\nfor one player"}},
    {IDS_ABOUT_CAPTION, {u"О программе", u"About"}},

    {IDS_TIP_NEW_GAME, {u"Новая игра", u"New game"}},
    {IDS_TIP_OPTIONS, {u"Опции", u"Options"}},
    {IDS_TIP_STATISTICS, {u"Статистика", u"Statistics"}},
    {IDS_TIP_ABOUT, {u"О программе", u"About"}},
    {IDS_TIP_RULES_RUSSIAN, {u"Правила игры (Русский)", u"Rules (Russian)"}},
    {IDS_TIP_RULES_ENGLISH, {u"Правила игры (Английский)", u"Rules (English)"}},
    {IDS_TIP_EXIT, {u"Выход", u"Exit"}},

    {IDS_VARIANT_FIRST + 0, {u"Подкидной", u"Throw-in"}},
    {IDS_VARIANT_FIRST + 1, {u"Подкидной переводной", u"Throw-in, transfers"}},
    {IDS_VARIANT_FIRST + 2, {u"Наваленный", u"Bulk"}},
    {IDS_VARIANT_FIRST + 3, {u"Наваленный переводной", u"Bulk, transfers"}},
    {IDS_VARIANT_FIRST + 4, {u"Японский", u"Japanese"}},
    {IDS_VARIANT_FIRST + 5, {u"Японский переводной", u"Japanese, transfers"}},

    {IDS_CARD_BACK_FIRST + 0, {u"Циновка", u"Mat"}},
    {IDS_CARD_BACK_FIRST + 1, {u"Рыбки", u"Fish"}},
    {IDS_CARD_BACK_FIRST + 2, {u"Джоконда", u"Mona Lisa"}},
    {IDS_CARD_BACK_FIRST + 3, {u"Градиент", u"Gradient"}},
    {IDS_CARD_BACK_FIRST + 4, {u"Стандартная", u"Standard"}},

    {IDS_TABLE_COLOUR_FIRST + 0, {u"Зеленый", u"Green"}},
    {IDS_TABLE_COLOUR_FIRST + 1, {u"Черный", u"Black"}},
    {IDS_TABLE_COLOUR_FIRST + 2, {u"Темно-красный", u"Dark red"}},
    {IDS_TABLE_COLOUR_FIRST + 3, {u"Голубой", u"Light blue"}},
    {IDS_TABLE_COLOUR_FIRST + 4, {u"Серый", u"Grey"}},

    {IDS_OPTIONS_TITLE, {u"Опции", u"Options"}},
    {IDS_OPTIONS_SHOW_TALON_COUNT, {u"Показ. число оставшихся карт", u"Show cards left in talon"}},
    {IDS_OPTIONS_DOUBLE_TAP, {u"Двойной щелчок для игры", u"Double tap plays"}},
    {IDS_OPTIONS_GAME_TYPE, {u"Тип игры", u"Game type"}},
    {IDS_OPTIONS_HIDE_HAND_SIZE, {u"Скрыть число карт противника", u"Hide opponent's card count"}},
    // One label over both lists: the card back at the left, the table at the right.
    {IDS_OPTIONS_BACK_AND_TABLE, {u"Рубашка               Фон", u"Card back          Table"}},
    {IDS_OPTIONS_OK, {u"Ок", u"OK"}},
    {IDS_STATISTICS_TITLE, {u"Статистика", u"Statistics"}},
    {IDS_STATISTICS_CLEAR, {u"Очистить", u"Clear"}},
    {IDS_STATISTICS_SIDES, {u"КПК\nЧеловек ", u"PDA\nHuman "}},
    {IDS_STATISTICS_COLONS, {u":\n:", u":\n:"}},
    {IDS_RULES_TITLE, {u"Правила игры", u"Rules"}},

    {IDS_MENU_UNDO, {u"Отменить ход", u"Undo"}},
    {IDS_MENU_REDO, {u"Вернуть ход", u"Redo"}},
    {IDS_MENU_RESTART, {u"Сдать заново", u"Restart this deal"}},
    {IDS_MENU_DEAL_NUMBER, {u"Номер сдачи…", u"Deal number…"}},
    {IDS_MENU_REPLAY_LAST, {u"Повтор последней партии", u"Replay last game"}},
    {IDS_REPLAY_REFUSED, {u"Партия не воспроизводится: %s", u"The game does not replay: %s"}},
    {IDS_DEAL_TITLE, {u"Номер сдачи", u"Deal number"}},
    {IDS_DEAL_PROMPT, {u"Эта сдача:", u"This deal:"}},
    {IDS_DEAL_REFUSED,
     {u"Такого номера сдачи нет.\r\nПроверьте его.",
      u"There is no such deal number.\r\nPlease check it."}},
    {IDS_MENU_HANDHELD, {u"Соперник: карманный", u"Opponent: handheld"}},
    {IDS_MENU_BEGINNER, {u"Соперник: новичок", u"Opponent: beginner"}},
    {IDS_MENU_EXPERT, {u"Соперник: эксперт", u"Opponent: expert"}},
    {IDS_MENU_HINT, {u"Подсказка", u"Hint"}},
    {IDS_MENU_WHY, {u"Почему?", u"Why?"}},
    {IDS_WHY_HANDHELD_MOVE, {u"Компьютер %s", u"The computer %s"}},
    {IDS_WHY_NOTHING_YET,
     {u"Компьютер ещё не ходил в этой партии.", u"The computer has not moved yet in this game."}},

    {IDS_MENU_LAST_BOUT, {u"Последний бой", u"Last bout"}},
    {IDS_MENU_PACE_INSTANT, {u"Ходы сразу", u"Moves at once"}},
    {IDS_MENU_PACE_NORMAL, {u"Ходы по шагам", u"Moves step by step"}},
    {IDS_MENU_PACE_SLOW, {u"Ходы медленно", u"Moves slowly"}},
    {IDS_BOUT_COMPUTER_ATTACKED, {u"Ходил КПК.", u"The PDA attacked."}},
    {IDS_BOUT_HUMAN_ATTACKED, {u"Ходили вы.", u"You attacked."}},
    {IDS_BOUT_THROWN_TO_TAKER, {u"Подкинуто: %s", u"Thrown in: %s"}},
    {IDS_BOUT_TRANSFERRED, {u"Переведено: %s", u"Transferred: %s"}},
    {IDS_BOUT_HUMAN_TOOK, {u"Вы взяли: %s", u"You took: %s"}},
    {IDS_BOUT_COMPUTER_TOOK, {u"КПК взял: %s", u"The PDA took: %s"}},
    {IDS_BOUT_DISCARDED, {u"Бито.", u"Discarded."}},

    {IDS_BUTTON_OK, {u"OK", u"OK"}},
    {IDS_BUTTON_CANCEL, {u"Отмена", u"Cancel"}},
    {IDS_BUTTON_YES, {u"Да", u"Yes"}},
    {IDS_BUTTON_NO, {u"Нет", u"No"}},
};

} // namespace

LPCWSTR findString(int id, Language language) {
    const int index = languageIndex(language);
    if (index < 0) {
        return nullptr;
    }
    for (const LocalText& entry : strings) {
        if (entry.id == id) {
            return entry.texts[index];
        }
    }
    return nullptr;
}

const ACCEL* findAccelerators(int id, int* count) {
    // "/" is matched as a typed character, so it works whatever key the
    // keyboard layout puts it on; the others are matched as keys.
    static const ACCEL mainTable[] = {
        {FALT, u'/', IDM_ABOUT},
        {FVIRTKEY | FALT, u'N', IDM_NEW_GAME},
        {FVIRTKEY | FALT, VK_F4, IDM_EXIT},
        {FVIRTKEY | FCONTROL, u'N', IDM_NEW_GAME},
        {FVIRTKEY | FCONTROL, u'O', IDM_OPTIONS},
        {FVIRTKEY | FCONTROL, u'T', IDM_STATISTICS},
        {FVIRTKEY, VK_F1, IDM_RULES},
        {FVIRTKEY | FCONTROL, u'Z', IDM_UNDO},
        {FVIRTKEY | FCONTROL, u'Y', IDM_REDO},
    };
    if (id != IDA_MAIN) {
        if (count != nullptr) {
            *count = 0;
        }
        return nullptr;
    }
    if (count != nullptr) {
        *count = static_cast<int>(sizeof mainTable / sizeof mainTable[0]);
    }
    return mainTable;
}

} // namespace resources
