#! --screen 1280x1024
# Drops the rules refuse leave the board, the dice and the picture as they were.
start
roll 1 5
click LightDie 2
roll 1 3
click DarkDie 2
echo Light to move with 3 and 5
show Stone 2
echo backwards, the sum of both dice, onto Dark's five stones, the bar column, Dark's tray
drag 10 3
drag 2 17
drag 2 19
drag 2 0
drag 2 26
echo a buried stone, a Dark stone, the right button
drag 1 21
drag 16 9
drag-right 2 21
echo the picture's corner exactly on the edge of section 21's window
dragto 2 11008 9216
expect Positions 24 2
expect Positions 21 -1
expect Positions 5 3
expect Dice 1 3
expect Dice 2 5
show Stone 2
echo one twip inside the window: the 3 is played
dragto 2 11009 9216
expect Positions 21 1
expect Dice 1 0
expect Dice 2 5
echo with the 5 left, the 3 cannot be played again
drag 2 18
expect Positions 21 1
