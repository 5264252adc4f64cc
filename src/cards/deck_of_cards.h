// The one record of a game of twenty-one: the deck, both hands, the money
// and the answers typed. Every step of the game is a member operation that
// reads and writes these fields and talks to the console itself.
#ifndef BLACKJACK_DECK_OF_CARDS_H
#define BLACKJACK_DECK_OF_CARDS_H

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

constexpr int kDeckRows = 4;     // suits
constexpr int kDeckColumns = 13; // ranks
constexpr int kDeckSize = kDeckRows * kDeckColumns;
constexpr int kHandSlots = 26; // used as a ring: each round's hand starts
                               // where the previous round's left off
constexpr int kBlackjack = 21;

class AmountReader;

// The number, 1 to 52, of the card with this name in the card table; 0 for
// any other text, as the blank name of an empty slot.
int cardNamed(std::string_view name);

// Why the questions stopped before the player said no or ran out of money.
enum class Halt {
  None,
  EndOfInput,  // standard input ended, or could no longer be read
  OutputError, // standard output could not be written
};

// The questions the game asks, as a front end that offers their answers
// is told of them.
enum class Asking {
  Bet,
  AceValue,
  HitOrStay,
  PlayAgain,
};

class DeckOfCards {
public:
  // A deck in order, 1 to 52, and the C library's generator seeded with
  // `seed` to deal a game again, or from the clock.
  explicit DeckOfCards(std::optional<std::uint32_t> seed = std::nullopt);

  // ---- A game -------------------------------------------------------------

  // The whole game, as every way into it plays it: shuffles, then plays
  // rounds.
  void play();
  // Round after round from the first bet, the deck as it stands, until the
  // player says no, has no money left, or play halts.
  void playRounds();

  // ---- The deck -----------------------------------------------------------

  // Shuffles the whole deck: five passes, each card swapped with one that
  // rand() picks, row first, then column. The calls to rand() and their
  // order are fixed, so a seed replays a game. The next card is then the
  // one at row 0, column 1, and `games` is 0.
  void shuffle();

  // Where the next card is, counted in reading order from 0: row by row.
  // It is 52 or less; the deck has no card at 52.
  int deckIndex() const { return deckRow * kDeckColumns + deckColumn; }

  // ---- The card table -----------------------------------------------------
  // Each turns the card number just put in the hand's current slot into its
  // name and value. Call each once for a card, straight after putting it
  // there: the slot then holds the value, which would read as a card number.

  void nameDealerCard(); // a dealer's ace counts 11
  // Asks what a player's ace counts. False if play stopped at that question.
  bool nameUserCard();

  // ---- A round ------------------------------------------------------------

  // Shuffles first if fewer than four cards are left, starts a fresh pot
  // after a shuffle, reads the bet and deals. Nothing is dealt if play
  // stops at the bet. Called for a player with money, or after a shuffle:
  // the play-again loop turns away a player with none.
  void placeBet();
  // Counts the round, gives two cards each (dealer first) and shows the
  // dealer's first card and the player's hand and total.
  void deal();
  // Plays the player's turn out, and the dealer's if the player stays.
  void askHitOrStay();
  // Draws one card for the player. A bust or exactly 21 settles the round;
  // otherwise returns the answer to the next hit-or-stay question, or a
  // blank if the round or play is over.
  char hit();
  // Draws for the dealer while under 17, then holds the showdown.
  void dealerPlay();
  // Lists both hands and totals and settles the bet one to one.
  void showdown();
  // Offers round after round until the player says no, has no money left,
  // or play stops.
  void askPlayAgain();

  // ---- State --------------------------------------------------------------
  int deck[kDeckRows][kDeckColumns];  // card numbers 1..52, each exactly once
  std::string dealerFace[kHandSlots]; // name of the dealer's card per slot
  std::string userFace[kHandSlots];   // name of the player's card per slot
  int dealer[kHandSlots] = {}; // dealer's slots: card number, then its value
  int user[kHandSlots] = {};   // player's slots: card number, then its value
  int deckColumn = 0;          // column of the next card to take
  int userPosition = 0;        // player's current slot
  int dealerPosition = 0;      // dealer's current slot
  int deckRow = 0;             // row of the next card to take
  int userTotal = 0;           // player's points this round
  int dealerTotal = 0;         // dealer's points this round
  int aceChoice = 0;           // last answer at the ace question (1 or 2)
  double pot = 0.0;            // the player's money, kept to the cent
  int games = 0;               // rounds dealt since the last shuffle
  double bet = 0.0;            // this round's bet, to the cent
  char hitOrStay = ' ';        // first hit-or-stay answer of the round
  char playAgain = ' ';        // last play-again answer
  int userFirst = 0;           // slot of the player's first card this round
  int dealerFirst = 0;         // slot of the dealer's first card this round
  Halt halt = Halt::None;      // why play stopped early, if it did
  // Told of each question as it is first asked, with the record as it
  // stands; the console leaves it unset, the page shows the question's
  // answers and the table.
  void (*onAsk)(const DeckOfCards &, Asking) = nullptr;

  // The slot after `slot` in a hand's ring.
  static constexpr int slotAfter(int slot) { return (slot + 1) % kHandSlots; }

private:
  // Said when a hit, or the dealer's draw or a deal, finds the deck used up.
  static constexpr const char *kUserEndOfDeck =
      " You have hit the end of the deck.. Need to re-shuffle";
  static constexpr const char *kDealerEndOfDeck =
      " The Dealer has hit the end of the deck.. Need to re-shuffle";

  // A question answered by one letter.
  struct Question {
    Asking kind;
    const char *text;     // the question, as printed
    const char *refusal;  // printed for any other answer
    const char *accepted; // the letters it takes
  };
  static const Question kHitOrStay;
  static const Question kPlayAgain;

  // ---- Taking cards -------------------------------------------------------
  // Takes the card at the deck position without looking: the deal, once
  // placeBet has made sure four cards are left. The column may run past
  // 12; the position is read in reading order.
  int takeCard();
  // Takes a card for a hit or the dealer, shuffling first, and saying so
  // with `endOfDeckMessage`, when the position has reached the last card.
  int takeCardGuarded(const char *endOfDeckMessage);
  void reshuffle(const char *endOfDeckMessage);

  // ---- Hand slots: each hand is a ring of kHandSlots ----------------------
  // Moves a hand position on to its next slot, wrapping round after the
  // last, and empties that slot.
  static void nextSlot(int &position, std::string (&faces)[kHandSlots],
                       int (&hand)[kHandSlots]);
  // Prints a hand from its first slot to its last, each name followed by
  // two blanks; a slot not dealt into this round shows as the blanks alone.
  static void listHand(const std::string (&faces)[kHandSlots], int first,
                       int last);

  // ---- Money --------------------------------------------------------------
  // Reads the bet until it is an amount the game takes, and takes it to the
  // cent. False if play stopped at the question.
  bool readBet();
  // One try at reading the bet: nullptr if taken, else the refusal.
  const char *judgeBet();
  // Moves money into or out of the pot, keeping it to the cent.
  void settle(double change);
  // Over 21: the round and the bet are lost.
  void userBusts();

  // ---- The console --------------------------------------------------------
  // Asks what the ace just named in the player's slot counts, until 1 or 2
  // is typed. False if play stopped at the question.
  bool askAceValue();
  bool halted() const { return halt != Halt::None; }
  // Prints a question and reads answers until one it accepts comes, meeting
  // every other with its refusal. False once play has stopped.
  bool ask(const Question &question, char &answer);
  template <typename Attempt> bool askUntil(Asking kind, Attempt attempt);
  // Skips white space up to the next answer. False once play has stopped:
  // output failed or input ended.
  bool skipToAnswer();
  // One character, the rest of its line left for the next question.
  bool readLetter(char &answer);
  // The characters up to the next white space or the end of the input,
  // which stay unread, each taken by `amount`, which keeps what decides the
  // bet: a word of any length is read in the same memory. False once play
  // has stopped.
  bool readAmount(AmountReader &amount);
  // A whole number typed as one word, within an int, judged a character at
  // a time like the bet. False if play stopped, or if the word was no such
  // number: then the rest of its line is dropped, so that the question can
  // be asked again.
  bool readNumber(int &number);
  // Drops what is left of the line typed: up to a newline or a carriage
  // return, whichever comes first, so that lines ended by either are read
  // alike.
  static void discardLine();
  // Prints `count` newlines, each flushing the output like every line.
  static void printNewlines(int count);
};

// The one loop of every question: tells `onAsk` which question it is, then
// `attempt` reads an answer and returns nullptr when it accepts it, or the
// refusal to print before reading again. False once play has stopped,
// whatever the attempt said.
template <typename Attempt>
bool DeckOfCards::askUntil(Asking kind, Attempt attempt) {
  if (onAsk != nullptr) {
    onAsk(*this, kind);
  }
  for (;;) {
    const char *const refusal = attempt();
    if (halted()) {
      return false;
    }
    if (refusal == nullptr) {
      return true;
    }
    std::cout << refusal << std::endl;
  }
}

#endif
