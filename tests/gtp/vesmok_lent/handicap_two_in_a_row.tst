# White moves twice in a row after a seven-stone handicap on 9x9, at level 9:
# the second search once appended its earlier root moves again after every
# gote move, without end in practice. Each genmove must answer with a move.
1 level 9
#? []
2 boardsize 9
#? []
3 fixed_handicap 7
#? [C3 G7 C7 G3 C5 G5 E5]
4 play w G9
#? []
5 genmove w
#? [[A-HJ][1-9]|PASS]
6 genmove w
#? [[A-HJ][1-9]|PASS]
