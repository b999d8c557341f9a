# A won game can be taken back and played on.
start
echo Light bears off its last stone
roll 1 2
click LightDie 2
drag 15 25
expect 25 15 15
echo BACK: play 8, Dark to move, Light's last stone back on section 11
click Undo
expect "Current Player" "Play Number" 8
expect "Current Player" Player 2
expect 25 15 -1
expect 11 1 15
expect 18 1 30
expect-file Moves/8 absent
echo play resumes: Dark rolls and moves, then Light wins again
roll 3 1
click DarkDie 2
expect Dice 3 3
expect Dice 4 1
drag 29 22
drag 30 21
expect "Current Player" "Play Number" 9
expect "Current Player" Player 1
roll 2 1
click LightDie 2
drag 15 25
expect 25 15 15
