# One person (Dark) against the computer (Light), timed: the computer rolls 1 s after PLAYERS;
# its stones step one point per 300 ms with a click each, the first step at once; the second
# move of a pair starts 1 s after the first arrives; and its roll comes 1 s after the turn
# comes back, its first move 1 s after that.
#! --seed 5
start
roll 1 5
click Players
wait 999
echo -- 999 ms after PLAYERS: no roll yet
wait 1
echo -- 1000 ms: Light's opening die (5)
roll 1 2
click DarkDie 2
echo -- Dark throws 2: Light plays 2 and 5 as a pair, its first stone steps at once
wait 299
echo -- 299 ms
wait 1
echo -- 300 ms: the second step, and the stone arrives on section 7
expect 7 6 10
expect "Current Player" Moves 1
wait 999
echo -- 999 ms later the second stone still waits
wait 1
echo -- 1 s after the arrival: the second stone steps off section 13
wait 299
echo -- 299 ms
wait 1
echo -- 300 ms: the second step
wait 300
echo -- 600 ms: the third
wait 300
echo -- 900 ms: the fourth
wait 300
echo -- the fifth step lands it on section 5 and the turn passes to Dark
expect 5 3 7
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect Dice 1 0
expect Dice 2 0
wait 5000
echo -- nothing happens in Dark's turn until Dark rolls
roll 3 1
click DarkDie 2
drag 25 20
drag 30 20
expect 20 2 30
expect "Current Player" Player 1
echo -- Dark has moved: the computer's roll comes 1 s later
wait 999
echo -- 999 ms
roll 4 2
wait 1
echo -- 1000 ms: Light rolls 4 and 2
wait 999
echo -- 1999 ms
wait 1
echo -- 2000 ms: its first move steps off at once
expect "Current Player" Player 1
