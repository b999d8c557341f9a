# Snapshots outlive the program: a game resumed at play 5 is taken back to its start.
start
expect "Current Player" "Play Number" 5
click Undo
expect "Current Player" "Play Number" 4
expect Bar 1 17
click Undo
expect "Current Player" "Play Number" 3
expect 3 1 17
click Undo
expect "Current Player" "Play Number" 2
expect "Current Player" Player 2
expect 21 1 1
click Undo
expect "Current Player" "Play Number" 1
expect "Current Player" Player 1
expect Dice 1 3
expect Dice 2 4
expect 24 1 1
expect 24 2 2
expect-file Moves/1 absent
expect-file Moves/2 absent
expect-file Moves/5 present
echo the start: BACK at play 1 sets up a new game and empties the directory
click Undo
expect "Current Player" "Play Number" 0
expect "Current Player" Player 0
expect-file Moves/5 absent
