# A demonstration game runs to its end by itself, the computer aggressive: every roll, move
# and hand-over is scheduled by the computer's timers. Light wins with this seed.
#! --seed 4
start
click Hit
click Demo
wait 7200000
expect Positions 25 15
expect "Current Player" Player 1
echo -- the game is over: nothing moves any more
click Demo
click Demo
wait 60000
expect Positions 25 15
