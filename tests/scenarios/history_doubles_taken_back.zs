# Taking back a turn of doubles leaves nothing of it behind: the restored play counts its
# moves as an ordinary roll and hands the turn over after two.
#! --seed 5
start
click LightDie 2
click DarkDie 2
drag 2 20
drag 1 21
roll 2 2
click DarkDie 2
drag 17 10
expect "Current Player" Player 2
expect "Current Player" Moves 1
click Undo
expect "Current Player" "Play Number" 1
expect "Current Player" Player 1
expect Dice 1 3
expect Dice 2 4
drag 2 20
drag 1 21
expect "Current Player" "Play Number" 2
expect "Current Player" Player 2
expect "Current Player" Moves 0
echo Dark rolls: a new roll is accepted
roll 6 5
click DarkDie 2
expect Dice 3 6
expect Dice 4 5
