	DEFB	000,001,$FF,%1010
	defb -1,+2,,abc,300
