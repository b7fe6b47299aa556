# A level outside 1 to 10 on the command line is taken as given: the program
# starts, reports it and plays.
1 version
#? [.*level 25.*]
2 boardsize 9
#? []
3 genmove b
#? [[A-HJ-T][1-9]]
