# PLAYERS - 1 in every state of the opening roll. The computer (Light) throws its opening die
# 1 s after the click; the person throws Dark's. Each case ends in Dark's turn, where nothing
# runs until the person acts, and RESET starts the next one.
#! --seed 11

echo == PLAYERS with nothing thrown; Dark then throws lower: Light moves at once
start
roll 1 5
click Players
wait 1000
expect "Current Player" Player 0
expect Dice 2 5
roll 1 3
click DarkDie 2
expect "Current Player" Player 1
expect "Current Player" "Play Number" 1
expect "Current Player" Moves 0
echo -- the first stone is already on its way
wait 10000
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect "Current Player" "Play Number" 2
click Reset

echo == PLAYERS with nothing thrown; Dark then throws higher: Dark's move, nothing from the computer
roll 1 5
click Players
wait 1000
expect Dice 2 5
roll 1 6
click DarkDie 2
expect "Current Player" Player 2
expect Dice 3 5
expect Dice 4 6
wait 10000
expect "Current Player" Player 2
expect "Current Player" Moves 0
click Reset

echo == PLAYERS with nothing thrown; a tie: the computer throws again 1 s after the message
roll 1 4
click Players
wait 1000
roll 1 4
click DarkDie 2
expect "Current Player" Player 0
expect Dice 2 0
expect Dice 4 0
roll 1 2
wait 1000
expect Dice 2 2
roll 1 1
click DarkDie 2
expect "Current Player" Player 1
wait 10000
expect "Current Player" Player 2
click Reset

echo == Dark has thrown first: the computer's throw 1 s after PLAYERS decides, and it moves 1 s later
roll 1 3
click DarkDie 2
roll 1 6
click Players
wait 1000
expect "Current Player" Player 1
expect Dice 1 3
expect Dice 2 6
expect "Current Player" Moves 0
wait 1000
expect "Current Player" Moves 0
echo -- the first move's stone has set off
wait 10000
expect "Current Player" Player 2
click Reset

echo == Light's die thrown by the person first: the computer throws it again, and waits for Dark
roll 1 2
click LightDie 2
expect Dice 2 2
roll 1 6
click Players
wait 1000
expect Dice 2 6
expect "Current Player" Player 0
wait 10000
expect "Current Player" Player 0
roll 1 5
click DarkDie 2
expect "Current Player" Player 1
wait 10000
expect "Current Player" Player 2
