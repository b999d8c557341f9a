# DEMO - ON in every state of the opening roll: the computer throws both opening dice 1 s after
# the click (Dark's first), and whichever side wins makes its first move 1 s after the message.
# Each case stops the demonstration, lets what is under way finish, and starts a new game.
#! --seed 21

echo == nothing thrown: Dark 2, Light 5, Light starts
start
roll 1 2
roll 1 5
click Demo
wait 999
expect "Current Player" Player 0
wait 1
expect "Current Player" Player 1
expect Dice 1 2
expect Dice 2 5
wait 999
expect "Current Player" Moves 0
wait 1
echo -- Light's first stone has set off
click Demo
wait 20000
click Reset

echo == nothing thrown: Dark 6, Light 3, Dark starts
roll 1 6
roll 1 3
click Demo
wait 1000
expect "Current Player" Player 2
expect Dice 3 3
expect Dice 4 6
wait 1000
echo -- Dark's first stone has set off
click Demo
wait 20000
click Reset

echo == nothing thrown: a tie, then both dice again 1 s after the message
roll 1 4
roll 1 4
click Demo
wait 1000
expect "Current Player" Player 0
roll 2 1
roll 2 3
wait 1000
expect "Current Player" Player 1
click Demo
wait 20000
click Reset

echo == Dark's die already thrown by a person: the computer throws both again
roll 1 6
click DarkDie 2
roll 1 1
roll 1 2
click Demo
wait 1000
expect "Current Player" Player 1
expect Dice 1 1
expect Dice 2 2
click Demo
wait 20000
click Reset

echo == Light's die already thrown by a person: the same
roll 1 6
click LightDie 2
roll 1 5
roll 1 4
click Demo
wait 1000
expect "Current Player" Player 2
expect Dice 3 4
expect Dice 4 5
click Demo
wait 20000
click Reset

echo == PLAYERS, then DEMO: Light's throw comes first and waits; Dark's throw decides
roll 1 3
click Players
click Demo
roll 1 6
roll 1 2
wait 1000
expect "Current Player" Player 2
expect Dice 3 2
expect Dice 4 6
wait 1000
echo -- Dark's first stone has set off
click Demo
wait 20000
click Reset

echo == PLAYERS after a person threw Dark's die, then DEMO: Light's throw decides for Dark
roll 1 6
click DarkDie 2
roll 1 2
click Players
click Demo
wait 1000
expect "Current Player" Player 2
expect Dice 3 2
expect Dice 4 6
wait 1000
echo -- Dark's first stone has set off
click Demo
wait 20000
