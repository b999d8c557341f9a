# Snapshot 4 is lost (only "4.tmp" and "04" are there, which are not its name): BACK from
# play 5 skips it and restores snapshot 3.
start
expect "Current Player" "Play Number" 5
click Undo
expect "Current Player" "Play Number" 3
expect "Current Player" Player 1
expect Bar 1 -1
expect 3 1 17
expect 15 1 -1
expect-file Moves/3 absent
expect-file Moves/5 present
expect-file Moves/4.tmp present
echo the next BACK restores snapshot 2
click Undo
expect "Current Player" "Play Number" 2
expect "Current Player" Player 2
