Glimmora keywords 1
1st-place-medal	guldmedalj	guld	medalj	segrare
2nd-place-medal	silvermedalj	andra plats	medalj	silver
3rd-place-medal	bronsmedalj	brons	medalj	tredje plats
a-button-blood-type	blodgrupp A	typ a
ab-button-blood-type	blodgrupp AB	typ ab
abacus	kulram	beräkning
accordion	dragspel	ackordeon	dragharmonika
adhesive-bandage	plåster	bandage
admission-tickets	inträdesbiljetter	biljett	inträde
aerial-tramway	kabinbana	funifor	gondolbana	linbana
airplane	flygplan	fordon
airplane-arrival	ankomst med flyg	ankomst	flyg	resa
airplane-departure	avgång med flyg	avgång	flyg	resa
alarm-clock	väckarklocka	klocka
alembic	retort	kemi
alien	utomjording	alien	rymdvarelse	saga	ufo
alien-monster	utomjordiskt monster	monster	rymdvarelse	saga	ufo	utomjording
ambulance	ambulans	fordon
american-football	amerikansk fotboll	boll	sport
amphora	amfora	kruka	krus
anatomical-heart	hjärta	kardiologi	organ	puls
anchor	ankare	hopp
anger-symbol	symbol för ilska	arg	ilska
angry-face	argt ansikte	arg
angry-face-with-horns	argt ansikte med horn	djävul
anguished-face	plågat ansikte	lider	ångest
ant	myra	djur	insekt
antenna-bars	stapel signalstyrka	mobil	signalstyrka	staplar för mottagning
anxious-face-with-sweat	oroligt svettigt ansikte	blått ansikte	kallsvettig
aquarius	Vattumannen	stjärntecken
aries	Väduren	stjärntecken
articulated-lorry	lastbil	fordon
artist	konstnär	palett
artist-palette	färgpalett	färger	konst	palett
astonished-face	chockat ansikte	chockad	förvånad
astronaut	astronaut	kosmonaut
atm-sign	bankomat	bankomatskylt	pengar	uttagsautomat
atom-symbol	symbol för atom	ateist	atom	naturvetenskap
auto-rickshaw	automatisk riksha	bilriksha	motordriven rickshaw	motordriven riksha	tuk-tuk
automobile	bil	fordon
avocado	avokado	frukt	mat
axe	yxa	hacka	hugga	klyva	ved
b-button-blood-type	blodgrupp B	typ b
baby	bebis	baby	liten	ung
baby-angel	bebisängel	saga	ängel
baby-bottle	nappflaska	dryck	flaska	mjölk
baby-chick	kyckling	djur
baby-symbol	bebissymbol	bebis	skötrum
back-arrow	Back med vänsterpil	bakåt	vänsterpil
backhand-index-pointing-down	nedåtpekande finger	finger	peka nedåt	pekfinger
backhand-index-pointing-left	vänsterpekande finger	peka åt vänster	pekfinger
backhand-index-pointing-right	högerpekande finger	peka åt höger	pekfinger
backhand-index-pointing-up	pekfinger upp	finger	peka uppåt	pekfinger
backpack	ryggsäck	skolväska	väska
bacon	bacon	kött	mat
badger	grävling	honungsgrävling	plåga
badminton	badminton	sport
bagel	bagel	bakverk	bröd
baggage-claim	bagagehämtning	bagage
baguette-bread	baguette	bröd	fransk	mat
balance-scale	balansvåg	rättvisa	våg	vågen
ballet-shoes	ballettskor	balett	dans
balloon	ballong	fest
ballot-box-with-ballot	valurna med röstsedel	rösta	val
banana	banan	frukt
banjo	banjo	musik	sträng
bank	bank	byggnad
bar-chart	stapeldiagram	diagram	staplar
barber-pole	barberarstolpe	barberare	frisör	stolpe
baseball	baseboll	sport
basket	korg	jordbruk	picknick	tvätt
basketball	basketboll	basket	boll
bat	fladdermus	djur	vampyr
bathtub	badkar	bad
battery	batteri
beach-with-umbrella	strand med parasoll	parasoll	strand
beaming-face-with-smiling-eyes	strålande ansikte med leende ögon	leende	roligt	skratt
beans	bönor	kidneybönor	mat
bear	björnansikte	björn	djur
beating-heart	bultande hjärta	bultar	hjärta	känslor	kärlek	slår
beaver	bäver	damm
bed	säng	hotell	sömn
beer-mug	ölstop	glas	stop	öl	ölglas
beetle	skalbagge	insekt	småkryp
bell	ringklocka	klocka	ljud
bell-pepper	paprika	grönsak
bell-with-slash	överstruken ringklocka	inget ljud	ljudlös	ringklocka
bellhop-bell	receptionsklocka	hotell	klocka	piccolo	plingklocka
bento-box	bentolåda	bento	låda
beverage-box	dryckeskartong	dryckesförpackning
bicycle	cykel	fordon
bikini	bikini	badkläder	kläder
billed-cap	skärmmössa	basebollkeps
biohazard	biologisk fara	biologisk	fara	skylt	varning
bird	fågel	djur
birthday-cake	födelsedagstårta	fest	födelsedag	tårta
bison	bisonoxe	buffalo	hjord	visent
biting-lip	biter i läppen	flirtar	nervös	obekväm	orolig	rädd	ängslig
black-bird	koltrast	fågel	korp	kråka	råka	svart
black-cat	svart katt	katt	otur	svart
black-circle	svart cirkel	cirkel	geometrisk
black-flag	svart flagga	flagga
black-heart	svart hjärta	hjärta	ond	svart
black-large-square	stor svart ruta	geometrisk	ruta	svart
black-medium-small-square	mellanliten svart ruta	geometrisk	medelstor svart ruta	ruta	svart
black-medium-square	mellanstor svart ruta	geometrisk	ruta	svart
black-nib	stiftpenna	penna	reservoarpenna	stift
black-small-square	liten svart ruta	ruta	svart
black-square-button	svart fyrkantig knapp	fyrkant	knapp
blossom	blomma	blomster	växt
blowfish	blåsfisk	djur	fisk
blue-book	blå bok	bok
blue-circle	blå cirkel	blå	cirkel	geometrisk
blue-heart	blått hjärta	blå	hjärta
blue-square	blå kvadrat	blå	kvadrat
blueberries	blåbär
boar	vildsvin	djur	svin
bomb	bomb	serietidning
bone	benknota	skelett
bookmark	bokmärke	märke
bookmark-tabs	bokmärkesflikar	bokmärken	flikar	markörer
books	böcker	bok
boomerang	boomerang	australien	bumerang	flyga tillbaka
bottle-with-popping-cork	champagne	bubbel	fest	nyår
bouquet	blombukett	blommor	kärlek
bow-and-arrow	pil och båge	båge	bågskytt	pilbåge	vapen
bowl-with-spoon	skål och sked	flingor	frukost
bowling	bowling	bowlingklot	klot
boxing-glove	boxningshandske	boxning	handske	sport
boy	pojke	kille	ung
brain	hjärna	klok
bread	bröd	limpa
breast-feeding	amning	amma	baby	bröst
brick	tegelsten	bruk	lera	tegelstenar	vägg
bridge-at-night	bro på natten	bro	natt
briefcase	portfölj	väska
briefs	badbyxor	badkläder	badshorts	simutrustning
bright-button	hög ljusstyrka	hög	ljusstyrka
broccoli	broccoli	kål
broken-heart	brustet hjärta	brustet	känslor	trasigt hjärta
broom	kvast	häxa	sopa	städa
brown-circle	brun cirkel	brun	cirkel
brown-heart	brunt hjärta	brunt	hjärta
brown-square	brun kvadrat	brun	kvadrat
bubble-tea	bubbelte	mjölk	pärlor	tapiokapärlor	te
bubbles	bubblor	lödder	rap	rent	tvål	under vatten
bucket	spann	hink	kärl	ämbar
bug	tusenfoting	djur	kryp	larv
building-construction	byggarbetsplats	bygge
bullet-train	höghastighetståg	fordon	shinkansen	tgv	tåg
bullseye	mitt i prick	fullträff	pilkastning	rakt på mål
burrito	burrito	fredagsmys	mat	mexikanskt
bus	buss	fordon
bus-stop	busshållplats	buss	hållplats
bust-in-silhouette	figur i silhuett	figur	människa
busts-in-silhouette	figurer i silhuett	figurer	människor
butter	smör	mjölkprodukt
butterfly	fjäril	insekt	sommar	vacker
cactus	kaktus	växt
calendar	kalender	datum
call-me-hand	ring mig-hand	hand	ring
camel	dromedar	puckel
camera	kamera	video
camera-with-flash	kamera med blixt	blixt	kamera
camping	camping	tält
cancer	Kräftan	stjärntecken
candle	stearinljus	levande ljus	ljus
candy	godis	karamell
canned-food	konserv	burk	konservburk
canoe	kanot	båt
capricorn	Stenbocken	stjärntecken
card-file-box	kartotek	låda
card-index	kortregister	register
card-index-dividers	indexflikar	flikar	index	kort	pärmflikar
carousel-horse	karusellhäst	häst	karusell
carp-streamer	karpvindstrut	fest	japan	karp	vindstrut
carpentry-saw	fogsvans	snickare	såg	trä	verktyg
carrot	morot	grönsak	mat	rotfrukt
castle	slott	europeiskt slott
cat	katt	djur
cat-face	kattansikte	djur	katt
cat-with-tears-of-joy	kattansikte med glädjetårar	glädje	katt med glädjetårar	kattansikte	tårar
cat-with-wry-smile	kattansikte med snett leende	ironiskt leende	kattansikte	leende
chains	kedjor	kedja
chair	stol	sitta	säte
chart-decreasing	nedåtgående trend	diagram	graf
chart-increasing	uppåtgående trend	diagram	graf
chart-increasing-with-yen	stigande diagram med yen	diagram	diagram stigande marknad	stigande marknad	uppåtpekande
check-box-with-check	kryssruta med bockmarkering	avbockad	bock	kryssruta	kryssruta med bock
check-mark	bockmarkering	avbockad	bock
check-mark-button	vit bockmarkering	bock	vit fet bockmarkering
cheese-wedge	ostbit	ost
chequered-flag	schackrutig flagga	flagga	racing	schackrutig
cherries	körsbär	frukt
cherry-blossom	körsbärsblomma	blomma	körsbär
chess-pawn	schackbonde	schack	utbytbar
chestnut	kastanj	växt
chicken	höna	fågel
child	barn	könsneutral	ung
children-crossing	passerande barn	barn	passerar	symbol
chipmunk	jordekorre	djur
chocolate-bar	chokladkaka	choklad	chokladbit	godis
chopsticks	ätpinnar
christmas-tree	julgran	gran	högtid	jul
church	kyrka	byggnad	kristen
cigarette	cigarett	rökning	rökning tillåtet	symbol
cinema	bio	bioskylt	film
circled-m	m i en cirkel	cirkel
circus-tent	cirkustält	cirkus	tält
cityscape	stadsbild	höga hus	skyskrapa	storstad
cityscape-at-dusk	stad i skymning	byggnader	kväll	skymning	solnedgång	stadsvy
cl-button	rensa-symbol	cl-symbol	redo	renssymbol
clamp	skruvtving	tving	verktyg
clapper-board	filmklappa	film	klappa
clapping-hands	klappande händer	klappa	klappa händer
classical-building	klassisk byggnad	byggnad	sevärdhet
clinking-beer-mugs	skålande ölstop	glas	skål	skålande ölglas	öl
clinking-glasses	skålande glas	dryck	fira	glas	skål
clipboard	skrivplatta	clipboard	urklipp
clockwise-vertical-arrows	vertikala pilar medurs	pilar	pilar medurs	uppdateringssymbol
closed-book	stängd bok	bok
closed-mailbox-with-lowered-flag	stängd brevlåda med sänkt flagga	post
closed-mailbox-with-raised-flag	stängd brevlåda med hissad flagga	post
closed-umbrella	hopfällt paraply	paraply
cloud	moln	väder
cloud-with-lightning	moln med blixt	moln	oväder	väder
cloud-with-lightning-and-rain	moln med regn och blixtar	moln	oväder	väder
cloud-with-rain	regnmoln	moln	regn	väder
cloud-with-snow	moln med snö	moln	snö	väder
clown-face	clownansikte	ansikte	clown	pajas
club-suit	klöver	färg	kort
clutch-bag	kuvertväska	accessoar	clutch
coat	jacka	kavaj
cockroach	kackerlacka	insekt	skadedjur
cocktail-glass	cocktailglas	cocktail	drink
coconut	kokosnöt	palm	piña colada
coffin	kista	begravning
coin	mynt	guld	pengar	silver	skatt
cold-face	kallt ansikte	blått ansikte	frostbiten	frusen	istappar	kall
collision	explosion	kollision	serietidning	smäll
comet	komet	rymden
compass	kompass	magnetisk	navigation	orientering
computer-disk	datordiskett	dator	optisk	skiva
computer-mouse	datormus	dator	mus
confetti-ball	konfettiboll	boll	fest	konfetti
confounded-face	förvirrat ansikte	förvirrad
confused-face	förbryllat ansikte	förbryllad
construction	skylt för byggområde	bygge
construction-worker	byggarbetare	arbetare	hatt
control-knobs	reglagevred	musik	reglage
convenience-store	jourbutik	affär	butik	byggnad
cook	kock	köksmästare
cooked-rice	kokt ris	ris
cookie	kaka	desert	efterrätt	småbröd
cooking	matlagning	laga mat
cool-button	COOL-knapp	cool
copyright	upphovsrättssymbol	copyright	upphovsrätt
coral	korall	ocean	rev
couch-and-lamp	soffa och lampa	hotell	lampa	soffa
counterclockwise-arrows-button	pilar moturs	moturs	pilar
couple-with-heart	par med hjärta	hjärta	kärlek	människor
couple-with-heart-man-man	par med hjärta: man, man	hjärta	kärlek	man	människor	par med hjärta
couple-with-heart-woman-man	par med hjärta: kvinna, man	hjärta	kvinna	kärlek	man	människor	par med hjärta
couple-with-heart-woman-woman	par med hjärta: kvinna, kvinna	hjärta	kvinna	kärlek	människor	par med hjärta
cow	ko	djur	kossa
cow-face	koansikte	djur	ko
cowboy-hat-face	ansikte med cowboyhatt	ansikte	cowboy	cowgirl	hatt
crab	krabba	kräfta	skaldjur	stjärntecken
crayon	krita
credit-card	kreditkort	betalkort	kort
crescent-moon	månskära	måne
cricket	syrsa	gräshoppa
cricket-game	cricket	sport
crocodile	krokodil	djur
croissant	croissant	bröd	fransk	mat
cross-mark	rött kryss	kryss	x
cross-mark-button	vitt kryss i ruta	kryss	x i ruta
crossed-fingers	korsade fingrar	finger	hand	korsa	lycka
crossed-flags	korsade flaggor	fest	flaggor	japanska	korsade
crossed-swords	korslagda svärd	korsade	svärd	vapen
crown	krona	drottning	kung	kungakrona
crutch	krycka	funktionsnedsättning	handikapp	käpp	mobilitetshjälpmedel	skadad
crying-cat	gråtande kattansikte	gråter	kattansikte
crying-face	gråtande ansikte	gråter	ledsen
crystal-ball	kristallkula	framtiden	spåkula
cucumber	gurka	grönsak	mat
cup-with-straw	mugg med sugrör	juice	läskedryck
cupcake	muffin	bakelse	bakverk
curling-stone	curlingsten	spel	sten
curly-loop	ögla	kurva	slinga
currency-exchange	valutaväxling	pengar	valuta	växelkurs
curry-rice	curry och ris	curry	ris
custard	brylépudding	efterrätt
customs	tull	tullkontroll
cut-of-meat	styckdel	fläskkotlett	lammkotlett	stek
cyclone	cyklon	tromb	tyfon	vind	väder
dagger	dolk	kniv	vapen
dango	dango	efterrätt	japan
dashing-away	fartsymbol	springa	springer iväg
deaf-man	hörselskadad man	hörselskadad	man
deaf-person	hörselskadad person	döv	hörsel	tillgänglighet	öra
deaf-woman	hörselskada kvinna	hörselskadad	kvinna
deciduous-tree	lövträd	lövfällande	träd
deer	hjort	djur
delivery-truck	budbil	fordon	skåpbil
department-store	varuhus	butik
derelict-house	fallfärdigt hus	förfallet	hus	öde	ödehus
desert	öken	torrt	varmt
desert-island	öde ö	ö	öde
desktop-computer	stationär dator	dator	pc
detective	detektiv	spion
diamond-suit	ruter	färg	kort
diamond-with-a-dot	diamantform med en prick	blomblad	diamant	diamantform	känslor
dim-button	låg ljusstyrka	ljusstyrka	låg
disappointed-face	besviket ansikte	besvikelse	besviken
disguised-face	maskerat ansikte	anonym	ansikte	förklädnad	glasögon	inkognito	mask	näsa
divide	dividera	division	matte	tecken	÷
diving-mask	dykmask	dyka	snorkla
diya-lamp	diyalampa	diya	lampa	oljelampa
dizzy	omtumlad	serietidning	stjärna	yr
dna	DNA	biolog	evolution	gen	genetik	liv
dodo	dront	mauritius	stor	utrotad
dog	hund	djur	valp
dog-face	hundansikte	djur	hund
dollar-banknote	dollarsedel	dollar	pengar	sedel
dolphin	delfin	djur
donkey	åsna	djur	däggdjur	envis	mula
door	dörr
dotted-line-face	osynligt ansikte	deprimerad	försvinner	gömd	introvert	osynlig
dotted-six-pointed-star	sexuddig stjärna med prick	spådom	stjärna
double-curly-loop	dubbel ögla	öglor
double-exclamation-mark	dubbla utropstecken	två	utropstecken
doughnut	munk	donut
dove	duva	fred	fågel
down-arrow	nedåtpil	nedåt	pil	riktning	söder	väderstreck
down-left-arrow	nedåtpil vänster	nedåt	pil	vänster
down-right-arrow	nedåtpil höger	höger	nedåt	pil
downcast-face-with-sweat	nedslaget kallsvettigt ansikte	svettig
downwards-button	nedåtknapp	nedåtpekande liten triangel	triangel
dragon	drake	djur
dragon-face	drakansikte	djur	drake
dress	klänning	kläder
drooling-face	dreglande ansikte	ansikte	dreglar
drop-of-blood	blodsdroppe	ge blod	medicin	menstruation
droplet	droppe	kallsvettig	svettdroppe	svettig	vattendroppe
drum	trumma	musik	trumpinnar
duck	and	fågel
dumpling	dumpling	degknyte	empanada	gyōza	jiaozi	pirog
dvd	dvd-skiva	bluray-skiva
e-mail	e-post	brev	e-postsymbol	kommunikation	mail	mejl
eagle	örn	fågel
ear	öra	kropp
ear-of-corn	majskolv	majs
ear-with-hearing-aid	öra med hörapparat
egg	ägg	mat
eggplant	aubergine	grönsak	äggplanta
eight-oclock	klockan åtta	08.00	20.00	åtta
eight-pointed-star	åttauddig stjärna	stjärna	åttauddig
eight-spoked-asterisk	åttauddig spetsig stjärna	spetsig	stjärna	åttauddig
eight-thirty	halv nio	08.30	20.30
eject-button	utmatningsknapp	knapp	knapp för mata ut	mata ut
electric-plug	elkontakt	kontakt
elephant	elefant	djur
elevator	hiss	lift	tillgång	vinsch
eleven-oclock	klockan elva	11.00	23.00	elva
eleven-thirty	halv tolv	11.30	23.30
elf	alv	magisk
empty-nest	tomt bo	ruva
end-arrow	End med högerpil	framåt	högerpil
enraged-face	plutande ansikte	arg	plutande	rasande	röd i ansiktet	sur
envelope	kuvert	brev	e-post	e-postmeddelande	mail	mejl
envelope-with-arrow	kuvert med pil	e-post	kuvert	mejl	pil	skickat	utgående
euro-banknote	eurosedel	euro	pengar	sedel
evergreen-tree	barrträd	gran	träd	vintergrön
ewe	tacka	får
exclamation-question-mark	utropstecken och frågetecken	frågetecken	utropstecken
exploding-head	exploderande huvud	chockad
expressionless-face	uttryckslöst ansikte	ingen kommentar
eye	öga	kropp
eye-in-speech-bubble	öga i pratbubbla	pratbubbla	vittne	öga
eyes	ögon	öga
face-blowing-a-kiss	ansikte ger en slängkyss	hjärta	puss	slängkyss
face-exhaling	ansikte andas ut
face-holding-back-tears	ansikte som håller tillbaka tårarna	arg	gråter	ledsen	stolt	tårar i ögonen
face-in-clouds	ansikte i moln	disträ	glömsk	tanksprid
face-savoring-food	ansikte som njuter av god mat	god mat	gott	leende ansikte	smakar gott
face-screaming-in-fear	ansikte som skriker av fasa	livrädd	rädd	skriker
face-vomiting	kräkande ansikte	ansikte som kräks	illamående	kräker	kräkning	kräks
face-with-crossed-out-eyes	omtumlat ansikte	omtumlad	yr
face-with-diagonal-mouth	ansikte med diagonal mun	besviken	osäker	skeptisk
face-with-hand-over-mouth	ansikte med handen för munnen	hoppsan
face-with-head-bandage	ansikte med bandage på huvudet	ansikte	ansikte med bandage	bandage	skadad
face-with-medical-mask	ansikte med munskydd	läkare	munskydd	sjuk
face-with-monocle	ansikte med monokel	gammaldags	torr
face-with-open-eyes-and-hand-over-mouth	ansikte med ögonen öppna och handen för munnen	förvånad	generad	misstro	rädd	överraskad	överväldigad
face-with-open-mouth	förvånat ansikte	förvånad	öppen mun
face-with-peeking-eye	ansikte med kikande öga	fängslad	kikar	stirrar
face-with-raised-eyebrow	ansikte med höjt ögonbryn	ansikte	skeptisk	tveksam
face-with-rolling-eyes	ansikte som himlar med ögonen	ansikte	himlar med ögonen
face-with-spiral-eyes	ansikte med spiralögon	fara	hypnotiserad	yrsel
face-with-steam-from-nose	ansikte med ånga ur näsan	seger	triumf
face-with-symbols-on-mouth	ansikte med symboler på munnen	svär
face-with-tears-of-joy	ansikte med glädjetårar	glädjetårar
face-with-thermometer	ansikte med termometer	ansikte	sjuk	termometer
face-with-tongue	ansikte räcker ut tungan	ansikte	räcker ut tungan	tunga
face-without-mouth	ansikte utan mun	ingen mun
factory	fabrik	byggnad
factory-worker	fabriksarbetare	arbetare	industri	industriarbetare
fairy	fé	oberon	puck	titania	älva
falafel	falafel	kikärter	köttbulle
fallen-leaf	fallande löv	faller	fallna löv	höst	löv
family	familj	barn	mamma	människor	pappa
family-man-boy	familj: man, pojke	barn	familj	mamma	man	människor	pappa	pojke
family-man-boy-boy	familj: man, pojke, pojke	barn	familj	mamma	man	människor	pappa	pojke
family-man-girl	familj: man, flicka	barn	familj	flicka	mamma	man	människor	pappa
family-man-girl-boy	familj: man, flicka, pojke	barn	familj	flicka	mamma	man	människor	pappa	pojke
family-man-girl-girl	familj: man, flicka, flicka	barn	familj	flicka	mamma	man	människor	pappa
family-man-man-boy	familj: man, man, pojke	barn	familj	mamma	man	människor	pappa	pojke
family-man-man-boy-boy	familj: man, man, pojke, pojke	barn	familj	mamma	man	människor	pappa	pojke
family-man-man-girl	familj: man, man, flicka	barn	familj	flicka	mamma	man	människor	pappa
family-man-man-girl-boy	familj: man, man, flicka, pojke	barn	familj	flicka	mamma	man	människor	pappa	pojke
family-man-man-girl-girl	familj: man, man, flicka, flicka	barn	familj	flicka	mamma	man	människor	pappa
family-man-woman-boy	familj: man, kvinna, pojke	barn	familj	kvinna	mamma	man	människor	pappa	pojke
family-man-woman-boy-boy	familj: man, kvinna, pojke, pojke	barn	familj	kvinna	mamma	man	människor	pappa	pojke
family-man-woman-girl	familj: man, kvinna, flicka	barn	familj	flicka	kvinna	mamma	man	människor	pappa
family-man-woman-girl-boy	familj: man, kvinna, flicka, pojke	barn	familj	flicka	kvinna	mamma	man	människor	pappa	pojke
family-man-woman-girl-girl	familj: man, kvinna, flicka, flicka	barn	familj	flicka	kvinna	mamma	man	människor	pappa
family-woman-boy	familj: kvinna, pojke	barn	familj	kvinna	mamma	människor	pappa	pojke
family-woman-boy-boy	familj: kvinna, pojke, pojke	barn	familj	kvinna	mamma	människor	pappa	pojke
family-woman-girl	familj: kvinna, flicka	barn	familj	flicka	kvinna	mamma	människor	pappa
family-woman-girl-boy	familj: kvinna, flicka, pojke	barn	familj	flicka	kvinna	mamma	människor	pappa	pojke
family-woman-girl-girl	familj: kvinna, flicka, flicka	barn	familj	flicka	kvinna	mamma	människor	pappa
family-woman-woman-boy	familj: kvinna, kvinna, pojke	barn	familj	kvinna	mamma	människor	pappa	pojke
family-woman-woman-boy-boy	familj: kvinna, kvinna, pojke, pojke	barn	familj	kvinna	mamma	människor	pappa	pojke
family-woman-woman-girl	familj: kvinna, kvinna, flicka	barn	familj	flicka	kvinna	mamma	människor	pappa
family-woman-woman-girl-boy	familj: kvinna, kvinna, flicka, pojke	barn	familj	flicka	kvinna	mamma	människor	pappa	pojke
family-woman-woman-girl-girl	familj: kvinna, kvinna, flicka, flicka	barn	familj	flicka	kvinna	mamma	människor	pappa
farmer	bonde	jordbrukare	lantbrukare
fast-down-button	dubbla nedåtpilar	nedåtpilar
fast-forward-button	framåtspolningsknapp	framåt	knapp	knapp för snabbspola framåt	snabbspola
fast-reverse-button	knapp för snabbspola tillbaka	dubbla vänsterpilar	pilar
fast-up-button	dubbla uppåtpilar	uppåtpilar
fax-machine	fax	kommunikation
fearful-face	skrämt ansikte	rädd	skräckinjagat ansikte
feather	fågelfjäder	fjäder	fjäderdräkt	fågel	lätt
female-sign	kvinnosymbol	kvinna	kvinnlig
ferris-wheel	pariserhjul	karusell	nöjespark
ferry	färja	båt	passagerare
field-hockey	landhockey	landhockeyklubba	sport
file-cabinet	dokumentskåp	dokument	skåp
file-folder	arkivmapp	arkiv	mapp
film-frames	filmnegativ	film	negativ
film-projector	filmprojektor	film	projektor
fire	eld	brinner	flamma
fire-engine	brandbil	fordon
fire-extinguisher	brandsläckare	eld	kväva	släcka
firecracker	smällare	dynamit	fyrverkeri	sprängämne
firefighter	brandman	brandbil
fireworks	fyrverkerier	firande	högtid
first-quarter-moon	tilltagande halvmåne	kvarts	måne
first-quarter-moon-face	tilltagande halvmåne med ansikte	ansikte	gubben i månen	halvmåne	månansikte	måne
fish	fisk	fiskarna	stjärntecken
fish-cake-with-swirl	fiskkaka	fisk	snurrad fiskkaka
fishing-pole	fiskespö	fisk	fiska	fiskespö och fisk	spö
five-oclock	klockan fem	05.00	17.00	fem
five-thirty	halv sex	05.30	17.30
flag-afghanistan	flagga: Afghanistan	AF	flagga
flag-aland-islands	flagga: Åland	AX	flagga
flag-albania	flagga: Albanien	AL	flagga
flag-algeria	flagga: Algeriet	DZ	flagga
flag-american-samoa	flagga: Amerikanska Samoa	AS	flagga
flag-andorra	flagga: Andorra	AD	flagga
flag-angola	flagga: Angola	AO	flagga
flag-anguilla	flagga: Anguilla	AI	flagga
flag-antarctica	flagga: Antarktis	AQ	flagga
flag-antigua-and-barbuda	flagga: Antigua och Barbuda	AG	flagga
flag-argentina	flagga: Argentina	AR	flagga
flag-armenia	flagga: Armenien	AM	flagga
flag-aruba	flagga: Aruba	AW	flagga
flag-ascension-island	flagga: Ascension	AC	flagga
flag-australia	flagga: Australien	AU	flagga
flag-austria	flagga: Österrike	AT	flagga
flag-azerbaijan	flagga: Azerbajdzjan	AZ	flagga
flag-bahamas	flagga: Bahamas	BS	flagga
flag-bahrain	flagga: Bahrain	BH	flagga
flag-bangladesh	flagga: Bangladesh	BD	flagga
flag-barbados	flagga: Barbados	BB	flagga
flag-belarus	flagga: Belarus	BY	flagga
flag-belgium	flagga: Belgien	BE	flagga
flag-belize	flagga: Belize	BZ	flagga
flag-benin	flagga: Benin	BJ	flagga
flag-bermuda	flagga: Bermuda	BM	flagga
flag-bhutan	flagga: Bhutan	BT	flagga
flag-bolivia	flagga: Bolivia	BO	flagga
flag-bosnia-and-herzegovina	flagga: Bosnien och Hercegovina	BA	flagga
flag-botswana	flagga: Botswana	BW	flagga
flag-bouvet-island	flagga: Bouvetön	BV	flagga
flag-brazil	flagga: Brasilien	BR	flagga
flag-british-indian-ocean-territory	flagga: Brittiska territoriet i Indiska oceanen	IO	flagga
flag-british-virgin-islands	flagga: Brittiska Jungfruöarna	VG	flagga
flag-brunei	flagga: Brunei	BN	flagga
flag-bulgaria	flagga: Bulgarien	BG	flagga
flag-burkina-faso	flagga: Burkina Faso	BF	flagga
flag-burundi	flagga: Burundi	BI	flagga
flag-cambodia	flagga: Kambodja	KH	flagga
flag-cameroon	flagga: Kamerun	CM	flagga
flag-canada	flagga: Kanada	CA	flagga
flag-canary-islands	flagga: Kanarieöarna	IC	flagga
flag-cape-verde	flagga: Kap Verde	CV	flagga
flag-caribbean-netherlands	flagga: Karibiska Nederländerna	BQ	flagga
flag-cayman-islands	flagga: Caymanöarna	KY	flagga
flag-central-african-republic	flagga: Centralafrikanska republiken	CF	flagga
flag-ceuta-and-melilla	flagga: Ceuta och Melilla	EA	flagga
flag-chad	flagga: Tchad	TD	flagga
flag-chile	flagga: Chile	CL	flagga
flag-china	flagga: Kina	CN	flagga
flag-christmas-island	flagga: Julön	CX	flagga
flag-clipperton-island	flagga: Clippertonön	CP	flagga
flag-cocos-keeling-islands	flagga: Kokosöarna	CC	flagga
flag-colombia	flagga: Colombia	CO	flagga
flag-comoros	flagga: Komorerna	KM	flagga
flag-congo-brazzaville	flagga: Kongo-Brazzaville	CG	flagga
flag-congo-kinshasa	flagga: Kongo-Kinshasa	CD	flagga
flag-cook-islands	flagga: Cooköarna	CK	flagga
flag-costa-rica	flagga: Costa Rica	CR	flagga
flag-cote-divoire	flagga: Elfenbenskusten	CI	flagga
flag-croatia	flagga: Kroatien	HR	flagga
flag-cuba	flagga: Kuba	CU	flagga
flag-curacao	flagga: Curaçao	CW	flagga
flag-cyprus	flagga: Cypern	CY	flagga
flag-czechia	flagga: Tjeckien	CZ	flagga
flag-denmark	flagga: Danmark	DK	flagga
flag-diego-garcia	flagga: Diego Garcia	DG	flagga
flag-djibouti	flagga: Djibouti	DJ	flagga
flag-dominica	flagga: Dominica	DM	flagga
flag-dominican-republic	flagga: Dominikanska republiken	DO	flagga
flag-ecuador	flagga: Ecuador	EC	flagga
flag-egypt	flagga: Egypten	EG	flagga
flag-el-salvador	flagga: El Salvador	SV	flagga
flag-england	flagga: England	flagga	gbeng
flag-equatorial-guinea	flagga: Ekvatorialguinea	GQ	flagga
flag-eritrea	flagga: Eritrea	ER	flagga
flag-estonia	flagga: Estland	EE	flagga
flag-eswatini	flagga: Eswatini	SZ	flagga
flag-ethiopia	flagga: Etiopien	ET	flagga
flag-european-union	flagga: Europeiska unionen	EU	flagga
flag-falkland-islands	flagga: Falklandsöarna	FK	flagga
flag-faroe-islands	flagga: Färöarna	FO	flagga
flag-fiji	flagga: Fiji	FJ	flagga
flag-finland	flagga: Finland	FI	flagga
flag-france	flagga: Frankrike	FR	flagga
flag-french-guiana	flagga: Franska Guyana	GF	flagga
flag-french-polynesia	flagga: Franska Polynesien	PF	flagga
flag-french-southern-territories	flagga: Franska sydterritorierna	TF	flagga
flag-gabon	flagga: Gabon	GA	flagga
flag-gambia	flagga: Gambia	GM	flagga
flag-georgia	flagga: Georgien	GE	flagga
flag-germany	flagga: Tyskland	DE	flagga
flag-ghana	flagga: Ghana	GH	flagga
flag-gibraltar	flagga: Gibraltar	GI	flagga
flag-greece	flagga: Grekland	GR	flagga
flag-greenland	flagga: Grönland	GL	flagga
flag-grenada	flagga: Grenada	GD	flagga
flag-guadeloupe	flagga: Guadeloupe	GP	flagga
flag-guam	flagga: Guam	GU	flagga
flag-guatemala	flagga: Guatemala	GT	flagga
flag-guernsey	flagga: Guernsey	GG	flagga
flag-guinea	flagga: Guinea	GN	flagga
flag-guinea-bissau	flagga: Guinea-Bissau	GW	flagga
flag-guyana	flagga: Guyana	GY	flagga
flag-haiti	flagga: Haiti	HT	flagga
flag-heard-and-mcdonald-islands	flagga: Heardön och McDonaldöarna	HM	flagga
flag-honduras	flagga: Honduras	HN	flagga
flag-hong-kong-sar-china	flagga: Hongkong SAR	HK	flagga
flag-hungary	flagga: Ungern	HU	flagga
flag-iceland	flagga: Island	IS	flagga
flag-in-hole	flagga i hål	golf	golfflagga	hål
flag-india	flagga: Indien	IN	flagga
flag-indonesia	flagga: Indonesien	ID	flagga
flag-iran	flagga: Iran	IR	flagga
flag-iraq	flagga: Irak	IQ	flagga
flag-ireland	flagga: Irland	IE	flagga
flag-isle-of-man	flagga: Isle of Man	IM	flagga
flag-israel	flagga: Israel	IL	flagga
flag-italy	flagga: Italien	IT	flagga
flag-jamaica	flagga: Jamaica	JM	flagga
flag-japan	flagga: Japan	JP	flagga
flag-jersey	flagga: Jersey	JE	flagga
flag-jordan	flagga: Jordanien	JO	flagga
flag-kazakhstan	flagga: Kazakstan	KZ	flagga
flag-kenya	flagga: Kenya	KE	flagga
flag-kiribati	flagga: Kiribati	KI	flagga
flag-kosovo	flagga: Kosovo	XK	flagga
flag-kuwait	flagga: Kuwait	KW	flagga
flag-kyrgyzstan	flagga: Kirgizistan	KG	flagga
flag-laos	flagga: Laos	LA	flagga
flag-latvia	flagga: Lettland	LV	flagga
flag-lebanon	flagga: Libanon	LB	flagga
flag-lesotho	flagga: Lesotho	LS	flagga
flag-liberia	flagga: Liberia	LR	flagga
flag-libya	flagga: Libyen	LY	flagga
flag-liechtenstein	flagga: Liechtenstein	LI	flagga
flag-lithuania	flagga: Litauen	LT	flagga
flag-luxembourg	flagga: Luxemburg	LU	flagga
flag-macao-sar-china	flagga: Macao SAR	MO	flagga
flag-madagascar	flagga: Madagaskar	MG	flagga
flag-malawi	flagga: Malawi	MW	flagga
flag-malaysia	flagga: Malaysia	MY	flagga
flag-maldives	flagga: Maldiverna	MV	flagga
flag-mali	flagga: Mali	ML	flagga
flag-malta	flagga: Malta	MT	flagga
flag-marshall-islands	flagga: Marshallöarna	MH	flagga
flag-martinique	flagga: Martinique	MQ	flagga
flag-mauritania	flagga: Mauretanien	MR	flagga
flag-mauritius	flagga: Mauritius	MU	flagga
flag-mayotte	flagga: Mayotte	YT	flagga
flag-mexico	flagga: Mexiko	MX	flagga
flag-micronesia	flagga: Mikronesien	FM	flagga
flag-moldova	flagga: Moldavien	MD	flagga
flag-monaco	flagga: Monaco	MC	flagga
flag-mongolia	flagga: Mongoliet	MN	flagga
flag-montenegro	flagga: Montenegro	ME	flagga
flag-montserrat	flagga: Montserrat	MS	flagga
flag-morocco	flagga: Marocko	MA	flagga
flag-mozambique	flagga: Moçambique	MZ	flagga
flag-myanmar-burma	flagga: Myanmar (Burma)	MM	flagga
flag-namibia	flagga: Namibia	NA	flagga
flag-nauru	flagga: Nauru	NR	flagga
flag-nepal	flagga: Nepal	NP	flagga
flag-netherlands	flagga: Nederländerna	NL	flagga
flag-new-caledonia	flagga: Nya Kaledonien	NC	flagga
flag-new-zealand	flagga: Nya Zeeland	NZ	flagga
flag-nicaragua	flagga: Nicaragua	NI	flagga
flag-niger	flagga: Niger	NE	flagga
flag-nigeria	flagga: Nigeria	NG	flagga
flag-niue	flagga: Niue	NU	flagga
flag-norfolk-island	flagga: Norfolkön	NF	flagga
flag-north-korea	flagga: Nordkorea	KP	flagga
flag-north-macedonia	flagga: Nordmakedonien	MK	flagga
flag-northern-mariana-islands	flagga: Nordmarianerna	MP	flagga
flag-norway	flagga: Norge	NO	flagga
flag-oman	flagga: Oman	OM	flagga
flag-pakistan	flagga: Pakistan	PK	flagga
flag-palau	flagga: Palau	PW	flagga
flag-palestinian-territories	flagga: Palestinska territorierna	PS	flagga
flag-panama	flagga: Panama	PA	flagga
flag-papua-new-guinea	flagga: Papua Nya Guinea	PG	flagga
flag-paraguay	flagga: Paraguay	PY	flagga
flag-peru	flagga: Peru	PE	flagga
flag-philippines	flagga: Filippinerna	PH	flagga
flag-pitcairn-islands	flagga: Pitcairnöarna	PN	flagga
flag-poland	flagga: Polen	PL	flagga
flag-portugal	flagga: Portugal	PT	flagga
flag-puerto-rico	flagga: Puerto Rico	PR	flagga
flag-qatar	flagga: Qatar	QA	flagga
flag-reunion	flagga: Réunion	RE	flagga
flag-romania	flagga: Rumänien	RO	flagga
flag-russia	flagga: Ryssland	RU	flagga
flag-rwanda	flagga: Rwanda	RW	flagga
flag-samoa	flagga: Samoa	WS	flagga
flag-san-marino	flagga: San Marino	SM	flagga
flag-sao-tome-and-principe	flagga: São Tomé och Príncipe	ST	flagga
flag-saudi-arabia	flagga: Saudiarabien	SA	flagga
flag-scotland	flagga: Skottland	flagga	gbsct
flag-senegal	flagga: Senegal	SN	flagga
flag-serbia	flagga: Serbien	RS	flagga
flag-seychelles	flagga: Seychellerna	SC	flagga
flag-sierra-leone	flagga: Sierra Leone	SL	flagga
flag-singapore	flagga: Singapore	SG	flagga
flag-sint-maarten	flagga: Sint Maarten	SX	flagga
flag-slovakia	flagga: Slovakien	SK	flagga
flag-slovenia	flagga: Slovenien	SI	flagga
flag-solomon-islands	flagga: Salomonöarna	SB	flagga
flag-somalia	flagga: Somalia	SO	flagga
flag-south-africa	flagga: Sydafrika	ZA	flagga
flag-south-georgia-and-south-sandwich-islands	flagga: Sydgeorgien och Sydsandwichöarna	GS	flagga
flag-south-korea	flagga: Sydkorea	KR	flagga
flag-south-sudan	flagga: Sydsudan	SS	flagga
flag-spain	flagga: Spanien	ES	flagga
flag-sri-lanka	flagga: Sri Lanka	LK	flagga
flag-st-barthelemy	flagga: S:t Barthélemy	BL	flagga
flag-st-helena	flagga: S:t Helena	SH	flagga
flag-st-kitts-and-nevis	flagga: S:t Kitts och Nevis	KN	flagga
flag-st-lucia	flagga: S:t Lucia	LC	flagga
flag-st-martin	flagga: Saint-Martin	MF	flagga
flag-st-pierre-and-miquelon	flagga: S:t Pierre och Miquelon	PM	flagga
flag-st-vincent-and-grenadines	flagga: S:t Vincent och Grenadinerna	VC	flagga
flag-sudan	flagga: Sudan	SD	flagga
flag-suriname	flagga: Surinam	SR	flagga
flag-svalbard-and-jan-mayen	flagga: Svalbard och Jan Mayen	SJ	flagga
flag-sweden	flagga: Sverige	SE	flagga
flag-switzerland	flagga: Schweiz	CH	flagga
flag-syria	flagga: Syrien	SY	flagga
flag-taiwan	flagga: Taiwan	TW	flagga
flag-tajikistan	flagga: Tadzjikistan	TJ	flagga
flag-tanzania	flagga: Tanzania	TZ	flagga
flag-thailand	flagga: Thailand	TH	flagga
flag-timor-leste	flagga: Östtimor	TL	flagga
flag-togo	flagga: Togo	TG	flagga
flag-tokelau	flagga: Tokelauöarna	TK	flagga
flag-tonga	flagga: Tonga	TO	flagga
flag-trinidad-and-tobago	flagga: Trinidad och Tobago	TT	flagga
flag-tristan-da-cunha	flagga: Tristan da Cunha	TA	flagga
flag-tunisia	flagga: Tunisien	TN	flagga
flag-turkiye	flagga: Turkiet	TR	flagga
flag-turkmenistan	flagga: Turkmenistan	TM	flagga
flag-turks-and-caicos-islands	flagga: Turks- och Caicosöarna	TC	flagga
flag-tuvalu	flagga: Tuvalu	TV	flagga
flag-u-s-outlying-islands	flagga: USA:s yttre öar	UM	flagga
flag-u-s-virgin-islands	flagga: Amerikanska Jungfruöarna	VI	flagga
flag-uganda	flagga: Uganda	UG	flagga
flag-ukraine	flagga: Ukraina	UA	flagga
flag-united-arab-emirates	flagga: Förenade Arabemiraten	AE	flagga
flag-united-kingdom	flagga: Storbritannien	GB	flagga
flag-united-nations	flagga: Förenta Nationerna	UN	flagga
flag-united-states	flagga: USA	US	flagga
flag-uruguay	flagga: Uruguay	UY	flagga
flag-uzbekistan	flagga: Uzbekistan	UZ	flagga
flag-vanuatu	flagga: Vanuatu	VU	flagga
flag-vatican-city	flagga: Vatikanstaten	VA	flagga
flag-venezuela	flagga: Venezuela	VE	flagga
flag-vietnam	flagga: Vietnam	VN	flagga
flag-wales	flagga: Wales	flagga	gbwls
flag-wallis-and-futuna	flagga: Wallis- och Futunaöarna	WF	flagga
flag-western-sahara	flagga: Västsahara	EH	flagga
flag-yemen	flagga: Jemen	YE	flagga
flag-zambia	flagga: Zambia	ZM	flagga
flag-zimbabwe	flagga: Zimbabwe	ZW	flagga
flamingo	flamingo	flambojant	tropisk
flashlight	ficklampa	lampa
flat-shoe	ballerinasko	lågklackad	toffla
flatbread	tunnbröd	naanbröd	pitabröd
fleur-de-lis	fransk lilja	fleur de lys	heraldisk lilja
flexed-biceps	spänd biceps	muskler	stark
floppy-disk	diskett	dator
flower-playing-cards	spelkort med blomma	blomma	kort	kortspel	spelkort
flushed-face	rodnande ansikte	generad	omtumlad
flute	flöjt	blockflöjt	musik	panflöjt	pickolaflöjt
fly	fluga	asätande insekt	sjukdom
flying-disc	frisbee	ultimate
flying-saucer	flygande tefat	ufo
fog	dimma	dimmigt	väder
foggy	dimmigt	dimma
folded-hands	beende händer	be	ber	händer	knäppta händer
folding-hand-fan	solfjäder	blyg	fläkt	fläktar	hett	svalka
fondue	fondue	choklad	gryta	ost	schweiziskt	smältande
foot	fot	sparka	stampa
footprints	fotavtryck	avtryck	fötter
fork-and-knife	kniv och gaffel	bestick	gaffel	gaffel och kniv	kniv
fork-and-knife-with-plate	tallrik, kniv och gaffel	bestick	dukning	kniv och gaffel	tallrik	äta
fortune-cookie	lyckokaka	profetia
fountain	fontän	springbrunn
fountain-pen	reservoarpenna	penna
four-leaf-clover	fyrklöver	irland	klöver	lycka	tur
four-oclock	klockan fyra	04.00	16.00	fyra
four-thirty	halv fem	04.30	16.30
fox	rävansikte	ansikte	djur	räv
framed-picture	tavla	bild i ram	konst	museum
free-button	FREE-knapp	gratis	gratis-symbol	symbol
french-fries	pommes frites	pommes
fried-shrimp	friterad räka	friterad	räka	tempura
frog	grodansikte	djur	groda
front-facing-baby-chick	kyckling framifrån	fågel	kyckling
frowning-face	ansikte med sur mun	ansikte	sur
frowning-face-with-open-mouth	ogillande ansikte med öppen mun	bister	öppen mun
fuel-pump	bränslepump	bensin	bensinpump	bensinstation	bränsle
full-moon	fullmåne	måne
full-moon-face	fullmåne med ansikte	ansikte	fullmåne	gubben i månen	månansikte	måne
funeral-urn	begravningsurna	aska	begravning	urna
game-die	speltärning	spel	tärning
garlic	vitlök	smaksättning
gear	kugghjul	kugge
gem-stone	ädelsten	diamant	juvel	kärlek
gemini	Tvillingarna	stjärntecken
genie	ande	djinn
ghost	spöke	ansikte	saga
ginger-root	ingefära	krydda	rot	öl
giraffe	giraff	prickar
girl	flicka	jungfru	stjärntecken	tjej	ung
glass-of-milk	mjölkglas	dryck	glas	mjölk
glasses	glasögon	accessoarer	brillor	ögon
globe-showing-americas	jordglob nord- och sydamerika	jorden	jordglob	nord- och sydamerika
globe-showing-asia-australia	jordglob Asien–Australien	asien	australien	jorden
globe-showing-europe-africa	jordglob Europa–Afrika	afrika	europa	jorden
globe-with-meridians	jordglob med meridianer	meridianer
gloves	handske	hand
glowing-star	blänkande stjärna	blänkande	glittrande	gnistrande	stjärna
goal-net	målnät	mål	nät	sport
goat	get	stenbock	stjärntecken
goblin	japanskt troll	ansikte	saga	troll
goggles	simglasögon	simma	svetsning	ögonskydd
goose	gås	dum	fä	fågel	kackel	rolig
gorilla	gorilla	djur
graduation-cap	examenshatt	examen	hatt	högtid
grapes	vindruvor	frukt
green-apple	grönt äpple	frukt	grönt	äpple
green-book	grön bok	bok
green-circle	grön cirkel	cirkel	grön
green-heart	grönt hjärta	grön	hjärta
green-salad	grönsallad	grön	mat	sallad
green-square	grön kvadrat	grön	kvadrat
grey-heart	grått hjärta	grått	hjärta	silver	skiffer
grimacing-face	grimaserande ansikte	grimaserar
grinning-cat	flinande kattansikte	kattansikte	leende	leende katt
grinning-cat-with-smiling-eyes	flinande kattansikte med leende ögon	flin	katt	leende	ögon
grinning-face	ansikte med stort leende	leende	roligt	skratt
grinning-face-with-big-eyes	flinande ansikte med stora ögon	leende	roligt	skratt	öppen mun
grinning-face-with-smiling-eyes	flinande ansikte med leende ögon	leende ögon	roligt	skratt
grinning-face-with-sweat	flinande ansikte med svettdroppe	leende men svettas
grinning-squinting-face	flinande ansikte med kisande ögon	ansikte	leende med stängda ögon	stängda ögon	öppen mun
growing-heart	växande hjärta	hjärta	känslor	kärlek	nervös	upprymd
guard	vakt	grenadjär
guide-dog	ledarhund	blindhund	hjälp	hund	service
guitar	gitarr	musik	musikinstrument
hair-pick	afrokam	afro	hår	kam
hamburger	hamburgare	burgare
hammer	hammare	verktyg
hammer-and-pick	hammare och hacka	hacka	hammare	verktyg
hammer-and-wrench	hammare och skiftnyckel	hammare	skiftnyckel	verktyg
hamsa	hamsa	amulett	fatima	hand	maria	miriam	skydd
hamster	hamsteransikte	djur	hamster
hand-with-fingers-splayed	hand med utspretade fingrar	finger	hand
hand-with-index-finger-and-thumb-crossed	hand med tummen och pekfingret korsade	dyrt	knäppa med fingrarna	pengaprassel	pengar	snäppa med fingrarna
handbag	handväska	accessoar	väska
handshake	handskakning	avtal	hand	möte
hatching-chick	nykläckt kyckling	fågel	kläckt	kyckling
headphone	hörlur	musik
headstone	gravsten	begravningsplats	grav	gravplats	minneslund
health-worker	läkare	sjuksköterska	sjukvård	terapeut	vårdpersonal
hear-no-evil-monkey	apa hör inget	apa	hör inget
heart-decoration	hjärtdekoration	hjärta
heart-exclamation	utropstecken i form av ett hjärta	hjärta	utropstecken
heart-hands	handhjärta	kärlek
heart-on-fire	brinnande hjärta	besviken	osäker	skeptisk
heart-suit	hjärter	färg	kort
heart-with-arrow	hjärta med pil	hjärta	kärlek	pil
heart-with-ribbon	hjärta med rosett	alla hjärtans dag	hjärta	rosett
heavy-dollar-sign	dollartecken	dollar	pengar
heavy-equals-sign	fetstilt likamedtecken	likhet	matte
hedgehog	igelkott	taggig
helicopter	helikopter	fordon
herb	ört	blad
hibiscus	hibiskus	blomma
high-heeled-shoe	högklackad sko	klack	pumps	sko
high-speed-train	snabbtåg	fordon	tåg
high-voltage	högspänning	fara	hög spänning	spänning	varningssymbol
hiking-boot	vandringskänga	camping	pjäxor	vandring
hindu-temple	hindutempel	hindu	tempel
hippopotamus	flodhäst	hovdjur
hole	hål
hollow-red-circle	tung stor cirkel	cirkel	o	röd
honey-pot	honungsburk	burk	honung
honeybee	bi	djur	geting	insekt
hook	krok	hake	klo	snärja
horizontal-traffic-light	vågräta trafikljus	trafikljus
horse	häst	djur	galopp
horse-face	hästansikte	djur	häst
horse-racing	hästkapplöpning	häst	jockey	kapplöpning
hospital	sjukhus	byggnad
hot-beverage	varm dryck	dryck	kaffe	te	varm	ångande
hot-dog	varmkorv	korv	mat
hot-face	hett ansikte	febrig	hett	rött ansikte	svett	värmeslag
hot-pepper	chili	peppar	starkt	växt
hot-springs	varma källor	het källa	termalkälla	ångande
hotel	hotell	byggnad
hourglass-done	utrunnet timglas	sand	timglas
hourglass-not-done	timglas med rinnande sand	sand	tid	timglas
house	hus	byggnad
house-with-garden	hus med trädgård	hus	trädgård
houses	flera hus	byggnader	hus
hundred-points	100 poäng	full pott
hushed-face	hyssjat ansikte	hyssjad	stum	tyst ansikte	överraskad
hut	koja	hydda	kåta
hyacinth	hyacint	blomma	bluebonnet	lavendel	luktärter	lupin
ice	isbit	isberg	kallt
ice-cream	glass	efterrätt
ice-hockey	ishockey	ishockeyklubba och puck	klubba	puck	sport
ice-skate	skridsko	is	sport
id-button	ID-knapp	id	id-symbol	identitet
identification-card	ID-kort	id	legitimation	personuppgifter	säkerhet
inbox-tray	inkorg	kommunikation	mottaget
incoming-envelope	inkommande brev	e-post	kommunikation	kuvert	mottaget brev
index-pointing-at-the-viewer	finger som pekar på mig	du	finger som pekar mot tittaren	mig	peka
index-pointing-up	finger upp	finger	förmaning	peka
infinity	oändlighet	evig	obegränsad	universal
information	information	i	informationskälla
input-latin-letters	bokstäver	abc	alfabet
input-latin-lowercase	gemener	små bokstäver
input-latin-uppercase	versaler	abc	alfabet	stora bokstäver
input-numbers	siffror	nummer
input-symbols	specialtecken	symboler
jack-o-lantern	lyktgubbe	fest	halloween	lykta	pumpa
japanese-acceptable-button	japansk ”godtagbart”-knapp	godtagbart	ideogram	ideogram för godkänna	japansk
japanese-application-button	japansk ”användning”-knapp	användning	ideogram	ideogram för tillämpa	japansk
japanese-bargain-button	japansk ”fynd”-knapp	fynd	ideogram	ideogram för bonus	japansk
japanese-castle	japanskt slott	slott
japanese-congratulations-button	japansk ”grattis”-knapp	grattis	ideogram	ideogram för grattis	japansk
japanese-discount-button	japansk ”rabatt”-knapp	ideogram	ideogram för rabatt	japansk	rabatt
japanese-dolls	japanska dockor	dockor	festival
japanese-free-of-charge-button	japansk ”gratis”-knapp	gratis	ideogram	ideogram för gratis	japansk
japanese-here-button	japansk ”här”-knapp	här	katakana	katakana för koko
japanese-monthly-amount-button	japansk ”månadsbelopp”-knapp	ideogram	ideogram för månad	japansk	månadsbelopp
japanese-no-vacancy-button	japansk ”fullbelagt”-knapp	fullbelagt	ideogram	ideogram för inget ledigt	inga lediga rum	japansk
japanese-not-free-of-charge-button	japansk ”inte gratis”-knapp	ideogram	ideogram för finns	inte gratis	japansk
japanese-open-for-business-button	japansk ”öppet”-knapp	ideogram	ideogram för öppet	japansk	öppet
japanese-passing-grade-button	japansk ”godkänt betyg”-knapp	användning	ideogram	japansk
japanese-post-office	japanskt postkontor	byggnad	postkontor
japanese-prohibited-button	japansk ”förbjudet”-knapp	förbjudet	ideogram	ideogram för förbud	japansk
japanese-reserved-button	japansk ”reserverad”-knapp	ideogram	ideogram för finger	japansk	reserverad
japanese-secret-button	japansk ”hemligt”-knapp	hemligt	ideogram	ideogram för hemlighet	japansk
japanese-service-charge-button	japansk ”serviceavgift”-knapp	katakana	katakana för sa	serviceavgift
japanese-symbol-for-beginner	japansk symbol för nybörjare	grönt och gult blad
japanese-vacancy-button	japansk ”lediga rum”-knapp	ideogram	ideogram för ledig	japansk	lediga rum
jar	burk	behållare	förvaring	krydda	sås	tom
jeans	jeans	byxor	kläder
jellyfish	manet	bränner	brännmanet	hav	nässeldjur	svida
joker	joker	joker-kort	spelkort
joystick	joystick	spak	spel	styrspak
judge	domare	advokat
kaaba	kaba	islam	muslim	religion
kangaroo	känguru	australien	hoppa	joey	pungdjur
key	nyckel	lösenord
keyboard	tangentbord	dator
keycap-0	keycap: 0
keycap-1	keycap: 1
keycap-10	bookmark..water pistol
keycap-2	keycap: 2
keycap-3	keycap: 3
keycap-4	keycap: 4
keycap-5	keycap: 5
keycap-6	keycap: 6
keycap-7	keycap: 7
keycap-8	keycap: 8
keycap-9	keycap: 9
keycap-asterisk	keycap: *
keycap-number-sign	keycap: \x{23}
khanda	khanda	religion	sikh
kick-scooter	sparkcykel	cykel	sparka
kimono	kimono	kläder	klänning
kiss	puss	kyssas	kärlek	människor
kiss-man-man	puss: man, man	kyssas	kärlek	man	människor	puss
kiss-mark	läppavtryck	kyssmärke	kärlek	läppar
kiss-woman-man	puss: kvinna, man	kvinna	kyssas	kärlek	man	människor	puss
kiss-woman-woman	puss: kvinna, kvinna	kvinna	kyssas	kärlek	människor	puss
kissing-cat	kyssande kattansikte	kattansikte	kysser	stängda ögon
kissing-face	pussande ansikte	puss
kissing-face-with-closed-eyes	pussande ansikte med slutna ögon	glad	puss
kissing-face-with-smiling-eyes	pussande ansikte med leende ögon	glad	puss
kitchen-knife	kökskniv	kniv
kite	flygande drake	flyga	sväva
kiwi-fruit	kiwifrukt	frukt	kiwi	mat
knot	knut	knop	rep	tågvirke
koala	koala	djur	koalabjörn
lab-coat	labbrock	doktor	experiment	vetenskapsman
label	etikett
lacrosse	lacrosse	boll	klubba	mål
ladder	stege	klätterstege	klättra	steg
lady-beetle	nyckelpiga	djur	insekt	skalbagge
laptop	bärbar dator	bärbar	dator	laptop	pc
large-blue-diamond	stor blå diamantform	blå	diamant
large-orange-diamond	stor orange diamantform	diamant	orange
last-quarter-moon	avtagande halvmåne	avtagande måne	halvmåne	måne
last-quarter-moon-face	avtagande halvmåne med ansikte	ansikte	gubben i månen	halvmåne	månansikte	måne
last-track-button	knapp för sista spåret	knapp	sista spåret
latin-cross	latinskt kors	kors	kristendom	religion
leaf-fluttering-in-wind	löv i vinden	blåser	fladdrande	höst	löv	vind
leafy-green	sallat	bok choy	grönkål	kål	sallad
ledger	liggare	skrivbok
left-arrow	vänsterpil	pil	riktning	väderstreck	väster
left-arrow-curving-right	svängd högerpil	höger	pil	sväng
left-facing-fist	vänstervänd näve	näve	vänster	vänstervänd
left-luggage	kvarlämnat bagage	bagage	bagageservice
left-right-arrow	pil höger och vänster	höger	pil	vänster
left-speech-bubble	pratbubbla åt vänster	pratbubbla
leftwards-hand	hand som pekar till vänster	hand	till vänster	vänster
leftwards-pushing-hand	hand som knuffar åt vänster	high five	stopp	till vänster	trycka	vänta
leg	ben	lem	sparka
lemon	citron	citrusfrukt	frukt
leo	Lejonet	stjärntecken
leopard	leopard	djur
level-slider	nivåreglage	reglage
libra	Vågen	balans	rättvisa	stjärntecken
light-blue-heart	ljusblått hjärta	cyan	himmelsblå	hjärta	ljusblå
light-bulb	glödlampa	elektrisk	fått en idé	lampa
light-rail	snabbspårväg	fordon	lättbana
link	länk	länkar	länksymbol	två ringar
linked-paperclips	länkade gem	gem	ihopsatta gem
lion	lejonansikte	djur	lejon
lipstick	läppstift	makeup	smink
litter-in-bin-sign	soptunna	slänga skräp	symbol
lizard	ödla	kräldjur
llama	lama	alpaca	guanaco	ull	vicuña
lobster	hummer	fisksoppa	klor	skaldjur
locked	låst lås	lås	stängt lås
locked-with-key	lås med nyckel	lås	stängt
locked-with-pen	lås med bläckpenna	bläckpenna	lås
locomotive	ånglok	fordon	lok	lokomotiv	tåg
lollipop	klubba	godis
long-drum	congatrumma	djembe	rytm	takt	trumma
lotion-bottle	lotionflaska	kräm	lotion	shampoo	solkräm
lotus	lotus	blomma	buddhism	hinduism	indien	renhet	vietnam
loudly-crying-face	storgråtande ansikte	gråt	gråter
loudspeaker	handhögtalare	kommunikation
love-hotel	kärlekshotell	byggnad	hotell	hotell med hjärta	kärlek
love-letter	kärleksbrev	brev	brev med hjärta	kärlek
love-you-gesture	jag älskar dig-gest	hand
low-battery	låg batterinivå	elektronik	låg energinivå
luggage	bagage	packning	resa
lungs	lungor	andning	exhalering	inhalering	organ
lying-face	ljugande ansikte	ansikte	lögn	pinocchio
mage	magiker	häxa	trollkarl
magic-wand	trollspö	häxa	magi	trollkarl	trollkonst	trollstav
magnet	magnet	hästsko	magnetisk
magnifying-glass-tilted-left	förstoringsglas som lutar åt vänster	förstoringsglas	förstoringsglas vänster	vänsterpekande
magnifying-glass-tilted-right	förstoringsglas som lutar åt höger	förstoringsglas	förstoringsglas höger	högerpekande
mahjong-red-dragon	mahjong-bricka	drake	röd drake	spelbricka
male-sign	manssymbol	man	manlig
mammoth	mammut	betar	stor	utrotad
man	man	vuxen
man-artist	manlig konstnär	man	målare	palett
man-astronaut	manlig astronaut	astronaut	man	raket	rymden
man-bald	man: skallig	man	skallig	vuxen
man-beard	man: skägg	man	skägg
man-biking	man som cyklar	cykel	cyklist	man	man cyklar	manlig
man-blond-hair	blond man	blond	man
man-bouncing-ball	man med boll	boll	man	manlig
man-bowing	bugande man	beklagelse	buga	man	ursäkt
man-cartwheeling	man som hjular	gymnastik	man
man-climbing	man som klättrar	klättrare	man klättrar
man-construction-worker	manlig byggarbetare	arbetare	bygge	man
man-cook	manlig kock	man	matlagning	restaurang
man-curly-hair	man: lockigt hår	lockigt hår	man	vuxen
man-dancing	dansande man	dans	man
man-detective	manlig detektiv	kommissarie	man	privatdetektiv	spanare	spion
man-elf	manlig alv	magisk
man-facepalming	man som slår sig för pannan	facepalm	frustration	irritation	man
man-factory-worker	manlig fabriksarbetare	fabrik	industri	man	produktion
man-fairy	manlig älva	oberon	puck
man-farmer	manlig bonde	bonde	jordbruk	man	trädgårdsmästare
man-feeding-baby	man matar spädbarn	amma	man	mata	spädbarn
man-firefighter	manlig brandman	brandbil	brandman	brandväsendet	man
man-frowning	sur man	gest	man	sur
man-genie	manlig ande	ande	manlig djinn
man-gesturing-no	man gestikulerar NEJ	förbjudet	gest	man
man-gesturing-ok	man gestikulerar OK	gest	gest för ok	hand	okej
man-getting-haircut	man som får håret klippt	frisör	hårklipp	man
man-getting-massage	man som blir masserad	avslappning	huvudmassage	man	man som får massage	massage
man-golfing	man som spelar golf	golf	man	man spelar golf	manlig
man-guard	manlig grenadjär	grenadjär	man	manlig vakt	vaktbyte	vaktparad
man-health-worker	manlig läkare	doktor	hälsovård	läkare	man	manlig	skötare
man-in-lotus-position	man i lotusposition	meditering	yoga
man-in-manual-wheelchair	man i manuell rullstol	man	rullstol
man-in-motorized-wheelchair	man i permobil	man	permobil	rullstol
man-in-steamy-room	man i ångbastu	bastu	ångbastu
man-in-tuxedo	man i smoking	man	smoking
man-judge	manlig domare	advokat	jurist	man	manlig
man-juggling	man som jonglerar	jonglering	man	multitasking
man-kneeling	knäsittande man	knäsittande	knästående	man
man-lifting-weights	man som lyfter tyngder	man	man lyfter tyngder	manlig	tyngdlyftare
man-mage	manlig magiker	trollkarl
man-mechanic	manlig mekaniker	bil	elektriker	man	mekaniker	motor	rörmokare
man-mountain-biking	man som cyklar på en mountainbike	cykel	cyklist	man	man åker mountainbike
man-office-worker	kontorstjänsteman	chef	kontor	man	näringsliv
man-pilot	manlig pilot	flyga	man	pilot
man-playing-handball	man som spelar handboll	handboll	man	sport
man-playing-water-polo	man som spelar vattenpolo	man	sport	vattenpolo
man-police-officer	manlig polis	konstapel	lagen	man	polisman
man-pouting	plutande man	man	plutar
man-raising-hand	man som räcker upp handen	man	räcka upp handen
man-red-hair	man: rödhårig	man	rödhårig	vuxen
man-rowing-boat	man som ror en båt	eka	man	man ror	manlig	roddbåt
man-running	man som springer	jogga	löpa	man	man springer
man-scientist	manlig forskare	kemi	laboratorium	man	vetenskap	vetenskapsman
man-shrugging	man som rycker på axlarna	axelryckning	likgiltighet	man	okunskap	tvivel
man-singer	manlig sångare	artist	konsert	kändis	man	stjärna
man-standing	stående man	man	stående
man-student	manlig student	man	manlig	student	studerande
man-superhero	manlig superhjälte	god	hjälte	man	superkraft
man-supervillain	manlig superskurk	brottsling	man	ond	skurk	superkraft
man-surfing	man som surfar	man	man surfar	manlig	surfing
man-swimming	man som simmar	man	simmare	simning
man-teacher	manlig lärare	instruktör	lärare	man	manlig	professor
man-technologist	manlig IT-expert	data	it	man	teknologi
man-tipping-hand	hjälpande man	hjälpa	information	man
man-vampire	manlig vampyr	drakula	vandöd
man-walking	man som går	fotgängare	gå	man	man går
man-wearing-turban	man i turban	man	turban
man-white-hair	man: vithårig	man	vithårig	vuxen
man-with-veil	man i brudslöja	brudslöja	man
man-with-white-cane	man med vit käpp	blind	blindkäpp	man	vit käpp
man-zombie	manlig zombie	levande död	odöd	vandöd
mango	mango	frukt	tropisk frukt
mans-shoe	herrsko	sko	skor
mantelpiece-clock	mantelklocka	klocka
manual-wheelchair	manuell rullstol	tillgänglighet
map-of-japan	karta över Japan	japan	karta
maple-leaf	lönnlöv	höst	löv
maracas	maracas	instrument	musik	skaka	slaginstrument	slagverk
martial-arts-uniform	kampsportdräkt	judo	kampsport	karate	självförsvar	sport	taekwondo
mate	mate-te	dryck
meat-on-bone	köttben	kött	på ben
mechanic	mekaniker	elektriker	rörmontör
mechanical-arm	mekanisk arm	bionisk arm	protes
mechanical-leg	mekaniskt ben	bioniskt ben	protes
medical-symbol	medicinsk symbol	aesculapius	medicin	personal
megaphone	megafon	kommunikation
melon	melon	frukt
melting-face	smältande ansikte	flytande	försvinner	smälter	upplöses
memo	kom ihåg-block	anteckningar
men-holding-hands	två män håller hand	håller hand	människor	par	två män
men-with-bunny-ears	män med kaninöron	dans	kaninöron	man	män	party
men-wrestling	brottande män	brottning	manlig	män	person	sport
mending-heart	läkande hjärta	friskna till	läker	läker sår	repa sig	tillfriskna
menorah	menora	judendom	ljusstake
mens-room	herrtoalett	män	symbol för män	toalett
mermaid	sjöjungfru	sjörå
merman	strömkarl	triton
merperson	vattenväsen	näcken	sjöjungfru	sjörå
metro	tunnelbana	fordon	metro
microbe	mikrob	amöba	bakterie	virus
microphone	mikrofon	karaoke	sjunga
microscope	mikroskop	vetenskap
middle-finger	långfinger upp	finger	hand
military-helmet	militärhjälm	armé	hjälm	krigare	militär	soldat
military-medal	militär medalj	medalj	militär
milky-way	Vintergatan	galax	rymden
minibus	minibuss	buss	fordon
minus	subtrahera	-	matte	minus	tecken	−
mirror	spegel	reflektor	spegelglas
mirror-ball	discokula	dansa	disco	fest	glitter
moai	staty	påskön
mobile-phone	mobiltelefon	mobil	telefon
mobile-phone-off	avstängd mobil	avstängd	mobil av	telefon
mobile-phone-with-arrow	mobiltelefon med pil	mobil	ringa	telefon
money-bag	pengapåse	pengar	säck
money-mouth-face	ansikte med dollarögon	ansikte	ansikte med pengamun	pengar
money-with-wings	pengar med vingar	flygande sedlar	pengar
monkey	apa	djur
monkey-face	apansikte	apa	djur
monorail	monorail	balkbana	fordon	tåg
moon-cake	månkaka	festival	höst	månfest
moon-viewing-ceremony	månskådning	japan	månfest
moose	älg	djur	däggdjur	horn
mosque	moské	islam	muslim	religion
mosquito	mygga	insekt	malaria	sjukdom	virus
motor-boat	motorbåt	båt	fordon
motor-scooter	skoter	motor
motorcycle	motorcykel	racing
motorized-wheelchair	eldriven rullstol	tillgänglighet
motorway	motorväg	väg
mount-fuji	Fuji	berg
mountain	berg
mountain-cableway	linbana	gondolbana	kabinbana	skidlift
mountain-railway	bergbana	bergsbana	bergståg	järnväg
mouse	mus	djur
mouse-face	musansikte	djur	mus
mouse-trap	musfälla	bete	fälla	snara
mouth	mun	läppar
movie-camera	filmkamera	film	spela in film
mrs-claus	tomtemor	jul	mor	nisse
multiply	multiplicera	avbryt	multiplikation	tecken	x	×
mushroom	svamp	växt
musical-keyboard	klaviatur	musik	musikinstrument	piano
musical-note	musiknot	musik	not
musical-notes	musiknoter	musik	not	noter
musical-score	g-klav	musik	noter
muted-speaker	avstängd högtalare	tyst
mx-claus	könsneutral tomte	jul	tomte
nail-polish	nagellack	manikyr	måla naglar	smink
name-badge	namnskylt	namn	skylt
national-park	nationalpark	park
nauseated-face	äcklat ansikte	ansikte	kasta upp	kräks	spy	äcklad
nazar-amulet	onda ögat-sten	amulett	nazar	onda ögat
necktie	skjorta med slips	kläder	skjorta	slips
nerd-face	nördansikte	ansikte	glasögon	nörd
nest-with-eggs	bo med ägg	ruva
nesting-dolls	ryska dockor	babuschkadocka	matrjosjka	rysk docka
neutral-face	neutralt ansikte	ingen kommentar	neutral
new-button	NEW-knapp	nyhet	nyhetssymbol	symbol
new-moon	nymåne	måne
new-moon-face	nymåne med ansikte	ansikte	gubben i månen	månansikte	måne	nymåne
newspaper	tidning	nyheter
next-track-button	knapp för nästa spår	knapp	nästa spår
ng-button	NG-knapp	inte bra	inte bra-symbol	symbol
night-with-stars	stjärnklar natt	natt	stjärnor
nine-oclock	klockan nio	09.00	21.00	nio
nine-thirty	halv tio	09.30	21.30
ninja	ninja	gömd	hemlig	lönnmördare
no-bicycles	förbud mot trafik med cykel	cyklar förbjudna	fordon	inte tillåtet att cykla
no-entry	förbud mot infart med fordon	infart förbjuden
no-littering	skräpa inte ner	inget skräp	släng inte skräp här	symbol
no-mobile-phones	mobil förbjuden	inga mobiler	inga samtal
no-one-under-eighteen	ej för minderåriga	barnförbjuden	förbjudet	minderåriga	åldersgräns
no-pedestrians	förbud mot gångtrafik	inga fotgängare	inte tillåtet att gå	symbol
no-smoking	rökning förbjuden	rökning	rökning förbjudet	symbol
non-potable-water	ej dricksvatten	odrickbart vatten	symbol
nose	näsa	kropp
notebook	anteckningsbok	skrivbok
notebook-with-decorative-cover	anteckningsbok med dekorativt omslag	anteckningsbok med snyggt omslag	skrivbok
nut-and-bolt	skruv och mutter	mutter	skruv
o-button-blood-type	blodgrupp 0	typ 0
octopus	bläckfisk	djur
oden	skaldjursspett	skaldjur	spett
office-building	kontorsbyggnad	byggnad	kontor
office-worker	kontorist	affärsman	arkitekt	tjänsteman	ämbetsman
ogre	japanskt monster	ansikte	japansk demon	monster	saga
oil-drum	oljefat	olja
ok-button	OK-knapp	ok
ok-hand	OK-tecken	hand	ok	tecken
old-key	gammal nyckel	nyckel
old-man	gammal man	gammal	man	vuxen	äldre man
old-woman	gammal kvinna	gammal	kvinna	vuxen	äldre kvinna
older-person	äldre person	gammal	könsneutral	vuxen	äldre
olive	oliv	mat
om	aum-tecken	hinduism	ohm-tecken	religion
on-arrow	ON! med pil höger och vänster ovanför	pil höger och vänster	utropstecken
oncoming-automobile	mötande bil	bil	fordon	mötande
oncoming-bus	mötande buss	buss	fordon	mötande
oncoming-fist	knuten hand	knytnäve
oncoming-police-car	mötande polisbil	fordon	polis	polisbil
oncoming-taxi	mötande taxi	fordon	taxi
one-oclock	klockan ett	01.00	13.00	ett
one-piece-swimsuit	baddräkt	simdräkt
one-thirty	halv två	01.30	13.30
onion	lök	smaksättning
open-book	öppen bok	bok
open-file-folder	öppen mapp	mapp	öppet arkiv
open-hands	öppna händer	händer	öppna
open-mailbox-with-lowered-flag	öppen brevlåda med sänkt flagga	post
open-mailbox-with-raised-flag	öppen brevlåda med hissad flagga	post
ophiuchus	Ormbäraren	stjärnbild
optical-disk	optisk skiva	bluray-skiva	cd-skiva	dvd-skiva
orange-book	orange bok	bok
orange-circle	orange cirkel	cirkel	orange
orange-heart	hjärta i orange	orange
orange-square	orange kvadrat	kvadrat	orange
orangutan	orangutang	apa
orthodox-cross	ortodoxt kors	kors	kristendom	religion
otter	utter	fiskar	lekfull
outbox-tray	utkorg	kommunikation	skickat
owl	uggla	fågel	vis
ox	oxe	oxen	stjärntecken	tjur
oyster	ostron	dyka	pärlor
p-button	P-knapp	parkering	parkeringsplats
package	paket	låda
page-facing-up	sida med text uppåt	dokument	sida	text uppåt
page-with-curl	upprullad sida	dokument
pager	personsökare	kommunikation
paintbrush	målarpensel	pensel
palm-down-hand	handflatan nedåt	avvisa	neka	schas
palm-tree	palm	träd
palm-up-hand	handflatan uppåt	bjuda in	erbjuda	fånga	kalla på
palms-up-together	handflatorna upp	bön
pancakes	pannkakor	crêpes	mat	pannkaka
panda	pandaansikte	djur	panda
paperclip	gem
parachute	fallskärm	fallskärmshopp	hängflygning	parasegling
parrot	papegoja	fågel	pirat	prata
part-alternation-mark	japansk kommatering	japansk	kommatering
party-popper	konfettismällare	fest	partypopper	serpentiner
partying-face	festande ansikte	fest	hatt	kalas	party	tuta
passenger-ship	passagerarfartyg	fartyg	fordon	passagerare
passport-control	passkontroll	kontroll	pass
pause-button	pausknapp	knapp	knapp för pausa	paus
paw-prints	tassavtryck	djur	tassar
pea-pod	ärtskida	bönor	edamame	grönsaker	ärta
peace-symbol	fredssymbol	fred	peace
peach	persika	frukt
peacock	påfågel	fågel	praktfull	stolt
peanuts	jordnötter	grönsak	jordnöt	mat	nöt
pear	päron	frukt
pen	kulspetspenna
pencil	blyertspenna
penguin	pingvin	fågel
pensive-face	funderande ansikte	funderar	tänker
people-holding-hands	personer som håller hand	håller hand	människor	par
people-hugging	personer kramas	adjö	hej	kram	tack
people-with-bunny-ears	personer med kaninöron	kaninöron	kvinna	människor	tjej
people-wrestling	brottande personer	brottare	brottning	person	sport
performing-arts	dans och teater	ansiktsmasker	masker	teater
persevering-face	uthålligt ansikte	besviken	misslyckades	står ut
person	person	könsneutral	vuxen
person-bald	person: skallig	könsneutral	person	skallig	vuxen
person-beard	man med skägg	person med skägg	skägg
person-biking	person som cyklar	cykel	cyklist
person-blond-hair	blond person	blond	människor
person-bouncing-ball	person med boll	boll	sport
person-bowing	bugande person	beklagar	bugar	gest
person-cartwheeling	person som hjular	gymnastik	hjula	person
person-climbing	person som klättrar	klättrare	person klättrar
person-curly-hair	person: lockigt hår	könsneutral	lockigt hår	person	vuxen
person-facepalming	person som slår sig för pannan	ansikte	frustration	handflata	irritation	slå sig för pannan
person-feeding-baby	person ammar spädbarn	amma	mata	person	person matar spädbarn	spädbarn
person-fencing	person som fäktas	fäktare	fäktning	person	sport	svärd
person-frowning	sur person	person	sur	sur uppsyn
person-gesturing-no	person gestikulerar NEJ	förbjudet	gest	gest för nej
person-gesturing-ok	person gestikulerar OK	gest	gest för ok	hand	okej
person-getting-haircut	person som får håret klippt	frisör	hårklippning	skönhet
person-getting-massage	person som blir masserad	ansiktsmassage	behandling	massage
person-golfing	person som spelar golf	golf	golfspelare	sport
person-in-bed	person i en säng	hotell	säng	sömn
person-in-lotus-position	person i lotusposition	meditation	person i lotusställning	yoga
person-in-manual-wheelchair	person i manuell rullstol	rullstol	tillträde
person-in-motorized-wheelchair	person i permobil	eldriven rullstol	elektrisk rullstol	tillträde
person-in-steamy-room	person i ångbastu	bastu	ångbastu
person-in-suit-levitating	svävande man i kostym	kostym	människor	svävar
person-in-tuxedo	person i smoking	brudgum	person	smoking
person-juggling	person som jonglerar	balans	färdighet	jonglering	multitasking
person-kneeling	knäsittande person	knäsittande	knästående	person
person-lifting-weights	person som lyfter tyngder	sport	tyngdlyftare
person-mountain-biking	person som cyklar på en mountainbike	cykel	cyklist	mountainbikeåkare
person-playing-handball	person som spelar handboll	boll	handboll	person	sport
person-playing-water-polo	person som spelar vattenpolo	person	polo	sport	vattenpolo
person-pouting	plutande person	person som plutar	plutar
person-raising-hand	person som räcker upp handen	person	räcker upp handen
person-red-hair	person: rödhårig	könsneutral	person	rödhårig	vuxen
person-rowing-boat	person som ror en båt	båt	roddbåt
person-running	person som springer	löpare	löpning
person-shrugging	person som rycker på axlarna	axelryckning	likgiltighet	okunskap	tvivel
person-standing	stående person	person	stående
person-surfing	person som surfar	surfare	surfing	surfning
person-swimming	person som simmar	simmare	simning
person-taking-bath	person som badar	bad	badar	badkar
person-tipping-hand	receptionist	information	människor	reception
person-walking	fotgängare	promenerar
person-wearing-turban	man med turban	person med turban	turban
person-white-hair	person: vithårig	könsneutral	person	vithårig	vuxen
person-with-crown	person med krona	kung	kunglighet	monark	ädling
person-with-skullcap	man med kinesisk hatt	hatt	kinesisk hatt	man	man med hatt
person-with-veil	person i brudslöja	brud	brudslöja	bröllop	person
person-with-white-cane	person med vit käpp	hjälpmedel	synskadad
petri-dish	petriskål	bakterie	biolog	biologi	labb
pick	hacka	verktyg
pickup-truck	pickup	lastbil	transportvagn	varubil
pie	paj	deg	fyllnad
pig	gris	so	sugga
pig-face	grisansikte	djur	gris
pig-nose	gristryne	djur	gris	tryne
pile-of-poo	bajshög	avföring	bajs
pill	piller	medicin	tablett
pilot	pilot	flygkapten
pinata	piñata	fest	kalas
pinched-fingers	fingerportmonnä	fingrar	förhör	handgest	nypa	sarkastisk
pinching-hand	nypande hand	liten mängd
pine-decoration	pinjedekoration	bambu	japanskt	nyår
pineapple	ananas	frukt
ping-pong	bordtennis	pingis	pingpong	sport
pink-heart	rosa hjärta	hjärta	kärlek	rosa	sött	älskar
pirate-flag	sjörövarflagga	pirater	plundra	skatter
pisces	Fiskarna	stjärntecken
pizza	pizzabit	bit	pizza
placard	plakat	demonstration	protest	skylt
place-of-worship	plats för tillbedjan	religion	tempel	tillbedjan
play-button	uppspelningsknapp	knapp	knapp för spela	play	spela
play-or-pause-button	knapp för spela eller pausa	knapp	paus	play	spela
playground-slide	rutschbana	leka	lekplats	nöjesfält
pleading-face	bönfallande ansikte	hundögon	nåd	tigga
plunger	vaskrensare	rörmokare	sugkopp	toalett
plus	addera	+	matte	plus	tecken
polar-bear	isbjörn	björn	is	vit
police-car	polisbil	fordon	polis
police-car-light	polisbilslampa	lampa	polisbil	saftblandare
police-officer	polis	konstapel
poodle	pudel	djur	hund
pool-8-ball	biljardboll	biljard	åttan
popcorn	popcorn	bio	snacks
post-office	postkontor	byggnad	europeiskt postkontor
postal-horn	postsymbol	posthorn
postbox	postlåda	brevlåda
pot-of-food	gryta	mat	varm gryta
potable-water	dricksvatten	drickbart vatten	symbol
potato	potatis	grönsak	mat
potted-plant	krukväxt	inomhus	odla	växt
poultry-leg	kycklinglår	kyckling	lår
pound-banknote	pundsedel	pengar	pund	sedel
pouring-liquid	hälla vätska	dryck	glas	spilla	tomt
pouting-cat	tjurande katt	katt	tjura
prayer-beads	radband	bön	halsband	religion
pregnant-man	gravid man	gravid	stor mage	uppsvälld
pregnant-person	gravid person	gravid	stor mage	uppsvälld
pregnant-woman	gravid kvinna	gravid	kvinna
pretzel	pretzel	snurrad
prince	prins
princess	prinsessa	saga
printer	skrivare	dator
prohibited	förbjudet	förbudsmarkering
purple-circle	lila cirkel	cirkel	lila
purple-heart	lila hjärta	hjärta	lila
purple-square	lila kvadrat	kvadrat	lila
purse	portmonnä	accessoar
pushpin	kartnål	stift
puzzle-piece	pusselbit	bit	ledtråd	pussel	sammanfoga
rabbit	kanin	djur
rabbit-face	kaninansikte	djur	kanin
raccoon	tvättbjörn	nyfiken	slug
racing-car	racerbil	bil	sport
radio	radio	video
radio-button	alternativknapp	knapp
radioactive	varning för strålrisk	fara	joniserande strålning	radioaktiv	radioaktiva ämnen	strålning	varning
railway-car	tågvagn	fordon	järnväg	tåg
railway-track	räls	järnväg	tåg
rainbow	regnbåge	regn	väder
rainbow-flag	regnbågsflagga	flagga	regnbåge
raised-back-of-hand	höjd handrygg	hand	lyft
raised-fist	knytnäve i luften	hand	knytnäve
raised-hand	hand i luften	hand	handflata	uppräckt
raising-hands	båda händerna i luften	hurra	räcker upp händerna
ram	vädur	bagge	får	stjärntecken
rat	råtta	djur
razor	rakhyvel	raka	vass
receipt	kvitto	belägg	bevis	bokföring	redovisning
record-button	inspelningsknapp	knapp	knapp för spela in	spela in
recycling-symbol	återvinningssymbol	symbol	återvinning
red-apple	rött äpple	frukt	rött	äpple
red-circle	röd cirkel	cirkel	geometrisk	röd
red-envelope	rött kuvert	hóngbāo	lai see	pengar	present	tur
red-exclamation-mark	rött utropstecken	kommatering	rött	utropstecken
red-heart	rött hjärta	hjärta	kärlek
red-paper-lantern	röd papperslykta	lykta	restaurang	röd lykta
red-question-mark	rött frågetecken	?	fråga	interpunktion	tecken
red-square	röd kvadrat	kvadrat	röd
red-triangle-pointed-down	nedåtpekande röd triangel	röd triangel
red-triangle-pointed-up	uppåtpekande röd triangel	röd triangel
registered	registrerat varumärke	registrerat
relieved-face	lättat ansikte	lättnad
reminder-ribbon	påminnelseband	band	firande
repeat-button	upprepning	medurs	pil	repeat
repeat-single-button	upprepa en låt	medurs	pil	repeat	upprepning
rescue-workers-helmet	räddningsarbetarhjälm	hjälm	hjälm med vitt kors	hjälp	räddningsarbetare	utryckningspersonal
restroom	wc-skylt	toalett	wc
reverse-button	bakåtspolningsknapp	knapp	knapp för spola tillbaka	spola tillbaka
revolving-hearts	snurrande hjärtan	hjärta	känslor	kärlek	snurrar
rhinoceros	noshörning	djur	horn	näsa
ribbon	rosett	fest
rice-ball	risboll	ris	risportion
rice-cracker	riskaka	kex	ris
right-anger-bubble	arg pratbubbla åt höger	arg	pratbubbla
right-arrow	högerpil	pil	riktning	väderstreck	öster
right-arrow-curving-down	svängd nedåtpil	nedåt	pil	sväng
right-arrow-curving-left	svängd vänsterpil	pil	sväng	vänster
right-arrow-curving-up	svängd uppåtpil	pil	sväng	uppåt
right-facing-fist	högervänd näve	höger	högervänd	näve
rightwards-hand	hand som pekar till höger	hand	höger	till höger
rightwards-pushing-hand	hand som knuffar åt höger	high five	stopp	till höger	trycka	vänta
ring	ring	diamant	kärlek	romantik
ring-buoy	livboj	flytetyg	frälsarkrans	livräddning	räddning	säkerhet
ringed-planet	planet med ringar	saturnine	saturnus
roasted-sweet-potato	rostad sötpotatis	rostad potatis	sötpotatis
robot	robotansikte	ansikte	robot
rock	sten	berg	bumling	klippa
rocket	raket	fordon	rymdraket
roll-of-paper	toarulle	pappershanddukar	toalettpapper
rolled-up-newspaper	ihoprullad tidning	ihoprullad	nyheter	tidning
roller-coaster	berg- och dalbana	karusell	nöjespark
roller-skate	rullskridsko
rolling-on-the-floor-laughing	rullar runt på golvet och skrattar	ansikte	golv	rullar	skratt
rooster	tupp	fågel
rose	ros	blomma
rosette	bandros	blomma
round-pushpin	knappnål	nål	stift
rugby-football	rugbyboll	boll	rugby	sport
running-shirt	löparlinne	löpartröja	löpning	träningskläder
running-shoe	gympasko	sko	sneaker
sad-but-relieved-face	besviket men lättat ansikte	besviken	besviken men lättad	lättad
safety-pin	säkerhetsnål	blöja	punkrock
safety-vest	varselväst	nöd	säkerhet	väst
sagittarius	Skytten	stjärntecken
sailboat	segelbåt	båt	segling
sake	sake	dryck	flaska	flaska och kopp med saké	kopp
salt	salt	krydda	saltkar
saluting-face	ansikte som gör honnör	honnör	hälsa	instämma	ja	ok	salutera
sandwich	smörgås	bröd	macka
santa-claus	jultomte	högtid	jul	tomten
sari	sari	kläder	klänning
satellite	satellit	fordon	rymden
satellite-antenna	tv-satellit	antenn	kommunikation	satellit
sauropod	sauropod	brachiosaurus	brontosaurus	diplodocus
saxophone	saxofon	musik	musikinstrument
scarf	halsduk	hals	scarf
school	skola	byggnad	skolbyggnad
scientist	forskare	biolog	fysiker	kemist	vetenskapsman
scissors	sax	klippa
scorpio	Skorpionen	stjärntecken
scorpion	skorpion	skorpionen	stjärntecken
screwdriver	skruvmejsel	verktyg
scroll	bokrulle	pergament	rulle
seal	säl	sjölejon
seat	flygstol	stol
see-no-evil-monkey	apa ser inget	apa	ser inget
seedling	skott	grodd
selfie	selfie	kamera	telefon
service-dog	servicehund	hjälp	hund	service	tillgång
seven-oclock	klockan sju	07.00	19.00	sju
seven-thirty	halv åtta	07.30	19.30
sewing-needle	synål	broderi	nål	skräddarsy	stygn
shaking-face	skakande ansikte	ansikte	jordbävning	shock	skakande	vibrera
shallow-pan-of-food	stekpanna	mat	paella
shamrock	treklöver	irland
shark	haj	fisk
shaved-ice	kakigōri	dessert	efterrätt	is
sheaf-of-rice	risax	planta	ris	risplanta
shield	sköld	vapen
shinto-shrine	shintohelgedom	religion	shinto
ship	fartyg	båt	fordon
shooting-star	stjärnfall	fallande stjärna
shopping-bags	shoppingpåsar	påsar	shopping
shopping-cart	shoppingvagn	handla	inköp	shopping	vagn
shortcake	tårtbit	kaka	kakbit	tårta
shorts	shorts	badbyxor	badkläder	underkläder
shower	dusch	vatten
shrimp	räka	liten	mat	skaldjur
shuffle-tracks-button	blanda låtar	blanda	korsade	pilar	shuffle
shushing-face	hyssjande ansikte	tyst
sign-of-the-horns	djävulstecknet	hand	horn	hårdrock
singer	sångare
six-oclock	klockan sex	06.00	18.00	sex
six-thirty	halv sju	06.30	18.30
skateboard	skateboard	bräda
skier	skidåkare	skidor	snö	vinter
skis	skidor	skidor och stavar
skull	dödskalle	döskalle
skull-and-crossbones	dödskalle med ben i kors	dödskalle	pirater
skunk	skunk	stank
sled	kälke	släde
sleeping-face	sovande ansikte	sover
sleepy-face	sömnigt ansikte	sömnig	trött
slightly-frowning-face	ansikte med lite sur mun	ansikte	sur
slightly-smiling-face	småleende ansikte	ansikte	leende	ler
slot-machine	enarmad bandit	spel	spelautomat	spelmaskin
sloth	sengångare	lat	långsam
small-airplane	litet flygplan	flygplan	fordon
small-blue-diamond	liten blå romb	blå	diamant
small-orange-diamond	liten orange diamantform	diamant	orange
smiling-cat-with-heart-eyes	leende kattansikte med hjärtformade ögon	kattansikte	kärlek	leende
smiling-face	leende ansikte	smiley
smiling-face-with-halo	leende ansikte med gloria	gloria	leende
smiling-face-with-heart-eyes	leende ansikte med hjärtformade ögon	hjärta	kärlek
smiling-face-with-hearts	leende ansikte med tre hjärtan	förtjust	kär
smiling-face-with-horns	leende ansikte med horn	horn	leende
smiling-face-with-open-hands	ansikte som kramas	ansikte	kramas	leende
smiling-face-with-smiling-eyes	leende ansikte och ögon	glad
smiling-face-with-sunglasses	leende ansikte med solglasögon	cool	leende	solglasögon
smiling-face-with-tear	tårögt leende ansikte	berörd	leende	lättad	stolt	tacksam	tår
smirking-face	halvleende ansikte	flin	flinande ansikte	småleende ansikte
snail	snigel	djur
snake	orm	djur
sneezing-face	nysande ansikte	ansikte	nysa	prosit
snow-capped-mountain	snöklätt berg	berg	kallt	snö
snowboarder	snowboardåkare	snowboard
snowflake	snöflinga	snö
snowman	snögubbe	snö	snöar
snowman-without-snow	snögubbe utan snö	snö	snögubbe
soap	tvål	bada	duscha	lödder	skål	tvålbit
soccer-ball	fotboll	boll	sport
socks	sockor	strumpa
soft-ice-cream	mjukglass	efterrätt	glass
softball	softboll	boll	handske	underarm
soon-arrow	Soon med högerpil ovanför	högerpil	pil
sos-button	SOS-knapp	hjälp	sos	sos-symbol	symbol
spade-suit	spader	färg	kort
spaghetti	spagetti	mat	pasta
sparkle	glittra	gnistra
sparkler	glittrande fyrverkeri	fyrverkerier	högtid
sparkles	gnistrande stjärnor	gnistrar	stjärnor
sparkling-heart	gnistrande hjärta	känslor	kärlek	upprymd
speak-no-evil-monkey	apa säger inget	apa	säger inget
speaker-high-volume	högtalare med hög volym	högtalare	volym
speaker-low-volume	högtalare	högtalare med låg volym	låg volym
speaker-medium-volume	högtalare med medium volym	högtalare	volym
speaking-head	silhuett som talar	silhuett	talar
speech-balloon	pratbubbla	bubbla	dialogbubbla
speedboat	racerbåt	båt	fordon
spider	spindel	djur	insekt
spider-web	spindelnät	nät	spindel
spiral-calendar	spiralbunden kalender	kalender	månadskalender
spiral-notepad	anteckningsblock	anteckningar	block	spiralblock
spiral-shell	snäcka	djur	snäckskal
sponge	tvättsvamp	mjuk	rengörande
spoon	sked	bestick
sport-utility-vehicle	SUV	bil	fordon
sports-medal	sportmedalj	medalj	sport
spouting-whale	val som sprutar vatten	djur	val	vatten
squid	mindre bläckfisk	bläck	bläckfisk	mat	skaldjur
squinting-face-with-tongue	ansikte räcker ut tungan med stängda ögon	räcker ut tungan med stängda ögon	tunga	äckligt
stadium	stadion
star	stjärna	vit medelstor stjärna
star-and-crescent	stjärna och halvmåne	halvmåne	islam	muslim	religion
star-of-david	davidsstjärna	jude	judendom	religion	stjärna
star-struck	stjärnögt ansikte	ansikte	stjärnsmäll
station	tågstation	station	tåg
statue-of-liberty	Frihetsgudinnan	new york	staty
steaming-bowl	skål nudelsoppa	nudlar	rykande	skål	soppa
stethoscope	stetoskop	doktor	hjärta	medicin
stop-button	stoppknapp	knapp	knapp för stoppa	stopp
stop-sign	stoppskylt	skylt	stopp	åttakantig
stopwatch	tidtagarur	klocka	stoppur
straight-ruler	linjal	rak
strawberry	jordgubbe	bär	frukt
student	student	studerande
studio-microphone	studiomikrofon	mikrofon	sjunga
stuffed-flatbread	pitabröd	falafel	gyro	kebab	mat	pita
sun	sol	strålar	väder
sun-behind-cloud	sol bakom moln	moln	sol	sol med moln
sun-behind-large-cloud	sol bakom stort moln	moln	sol	väder
sun-behind-rain-cloud	sol bakom moln med regn	moln	regn	sol	väder
sun-behind-small-cloud	sol bakom litet moln	moln	sol	väder
sun-with-face	sol med ansikte	ansikte	sol
sunflower	solros	blomma
sunglasses	solglasögon	glasögon
sunrise	soluppgång	morgonsol
sunrise-over-mountains	soluppgång över berg	berg	morgonsol	soluppgång	soluppgång vid berg
sunset	solnedgång	byggnader	skymning	solnedgång över stad
superhero	superhjälte	god	hjälte	hjältinna	superkraft	superkrafter
supervillain	superskurk	brottsling	elak	ond	skurk	superkraft	superkrafter
sushi	sushi
suspension-railway	hängbana	fordon
swan	svan	den fula ankungen	fågel
sweat-droplets	stänkande svett	serietidning	svett	svettig
synagogue	synagoga	judisk	religion	tempel
syringe	spruta	nål	sjukvård
t-rex	T-rex	tyrannosaurus rex
t-shirt	t-shirt	kläder	tröja
taco	taco	fredagsmys	mat	mexikanskt
takeout-box	hämtmatkartong	takeout box
tamale	tamale	mexikanskt	wrap
tanabata-tree	tanabataträd	fest	japansk festival	pappersremsor	träd	träd med pappersremsor
tangerine	mandarin	citrusfrukt	frukt
taurus	Oxen	stjärntecken
taxi	taxi	fordon
teacher	lärare	instruktör	professor
teacup-without-handle	tekopp	te	varm dryck
teapot	tekanna	dryck	kanna	te
tear-off-calendar	avdragbar kalender	datum	kalender
technologist	IT-tekniker	ingenjör	mjukvarutekniker	uppfinnare	utvecklare
teddy-bear	nallebjörn	gosedjur	leksak	mjukdjur
telephone	telefon
telephone-receiver	telefonlur	kommunikation	telefon
telescope	teleskop	kikare	stjärnkikare
television	tv	television	video
ten-oclock	klockan tio	10.00	22.00	tio
ten-thirty	halv elva	10.30	22.30
tennis	tennis	boll	tennisboll	tennisrack och boll	tennisracket och boll
tent	tält	camping
test-tube	provrör	experiment	kemi	kemist	labb	vetenskap
thermometer	termometer	väder
thinking-face	ansikte som tänker	ansikte	tänker
thong-sandal	flip-flops	remsko	sandaler
thought-balloon	tankebubbla	bubbla	funderar
thread	tråd	nål	spole	trådrulle
three-oclock	klockan tre	03.00	15.00	tre
three-thirty	halv fyra	03.30	15.30
thumbs-down	tummen ned	ner	ogilla	tumme
thumbs-up	tummen upp	gillar	tumme	upp
ticket	biljett	inträde
tiger	tiger	djur
tiger-face	tigeransikte	djur	tiger
timer-clock	timer	klocka	tid
tired-face	trött ansikte	trött
toilet	toalett
tokyo-tower	Tokyo Tower	tokyo	torn	torn i tokyo
tomato	tomat	grönsak
tongue	tunga	kropp
toolbox	verktygslåda	låda	mekaniker	verktyg
tooth	tand	tandläkare
toothbrush	tandborste	borste	ren	tandhygien	tvätta	tänder
top-arrow	Top med uppåtpil	pil	uppåtpil
top-hat	hög hatt	hatt
tornado	tornado	virvelvind	väder
trackball	styrkula	dator	mus
tractor	traktor	fordon
trade-mark	skyddat varumärke	varumärke
train	tåg	fordon	järnväg
tram	spårvagn	fordon
tram-car	spårvagnsvagn	fordon	spårvagn
transgender-flag	transflagga	flagga	transgender
transgender-symbol	transgendersymbol	transgender
triangular-flag	trekantig flagga	flagga
triangular-ruler	rätvinklig linjal	linjal	triangel
trident-emblem	treudd	hav
troll	troll	fantasy	monster	saga	sägen
trolleybus	trådbuss	buss	fordon
trophy	pokal	pris
tropical-drink	tropisk drink	drink	tropisk
tropical-fish	tropisk fisk	djur	fisk	tropisk
trumpet	trumpet	musik	musikinstrument
tulip	tulpan	blomma
tumbler-glass	whiskyglas	brännvin	glas	shot	sprit	whisky
turkey	kalkon	fågel
turtle	sköldpadda	havssköldpadda	padda
twelve-oclock	klockan tolv	00.00	24.00	tolv
twelve-thirty	halv ett	00.30	12.30
two-hearts	två hjärtan	känslor	kärlek
two-hump-camel	kamel	puckel	pucklar
two-oclock	klockan två	02.00	14.00	två
two-thirty	halv tre	02.30	14.30
umbrella	paraply	accessoar	regn	väder
umbrella-on-ground	parasoll på marken	paraply	parasoll	sol	väder
umbrella-with-rain-drops	paraply med regndroppar	accessoar	paraply	regn	väder
unamused-face	missnöjt ansikte	inte glad	missnöjd
unicorn	enhörningsansikte	djur	enhörning
unlocked	öppet lås	lås	olåst
up-arrow	uppåtpil	norr	pil	riktning	väderstreck
up-button	UP!-knapp	up!
up-down-arrow	pil upp och ned	nedåt	pil	uppåt
up-left-arrow	uppåtpil vänster	pil	uppåt	vänster
up-right-arrow	uppåtpil höger	höger	pil	uppåt
upside-down-face	upp-och-nervänt ansikte	ansikte	upp-och-ner
upwards-button	uppåtknapp	triangel	uppåtpekande liten triangel
vampire	vampyr	drakula	vandöd
vertical-traffic-light	lodräta trafikljus	trafikljus
vibration-mode	vibrationsläge	läge	mobil	telefon
victory-hand	v-tecken	seger
video-camera	videokamera	kamera	video
video-game	tv-spel	kontroll	spel	tv-spelskontroll
videocassette	videokassett	vhs	video	videoband
violin	fiol	musik	musikinstrument	violin
virgo	Jungfrun	stjärntecken
volcano	vulkan	vulkanutbrott
volleyball	volleyboll	sport
vs-button	VS-knapp	kontra	mot	symbol	vs
vulcan-salute	vulcan-hälsning	hand	spock	star trek	vulcan
waffle	våffla	våffeldagen	våffeljärn
waning-crescent-moon	måne i fjärde kvarteret	avtagande måne	kvartsmåne	måne	månskära
waning-gibbous-moon	måne i tredje kvarteret	måne	tilltagande
warning	varning	fara	se upp	skylt	utropstecken	varningstecken
wastebasket	papperskorg	skräp	sopor	soptunna
watch	armbandsur	klocka
water-buffalo	vattenbuffel	djur
water-closet	WC	toalett	uthus
water-pistol	vattenpistol	leksakspistol	pistol	revolver	vapen
water-wave	våg	havsvåg
watermelon	vattenmelon	frukt	melon
waving-hand	vinkande hand	hand	vinka
wavy-dash	vågigt tankstreck	tankstreck	vågig
waxing-crescent-moon	måne i första kvarteret	kvartsmåne	måne	månskära	tilltagande måne
waxing-gibbous-moon	måne i andra kvarteret	halvmåne till fullmåne	tilltagande måne
weary-cat	uttröttat kattansikte	förvånad	katt	uttröttad
weary-face	uttröttat ansikte	uttröttad
wedding	bröllop	kyrka	kärlek
whale	val	djur
wheel	hjul	cirkel	däck	rulla
wheel-of-dharma	livets hjul	buddhist	hjul	livshjul	religion
wheelchair-symbol	rullstolssymbol	rullstol	symbol	tillgänglighet
white-cane	blindkäpp	blind	tillgänglighet
white-circle	vit cirkel	cirkel	geometrisk
white-exclamation-mark	vitt utropstecken	kommatering	utropstecken	vitt
white-flag	vit flagga	flagga
white-flower	vit blomma	blomma
white-heart	vitt hjärta	hjärta	vitt
white-large-square	stor vit ruta	geometrisk	ruta
white-medium-small-square	mellanliten vit ruta	geometrisk	medelstor vit ruta	ruta	vit
white-medium-square	mellanstor vit ruta	geometrisk	ruta	vit
white-question-mark	vitt frågetecken	fråga	frågetecken
white-small-square	liten vit ruta	ruta	vit
white-square-button	vit fyrkantig knapp	fyrkant	knapp
wilted-flower	vissnad blomma	blomma	torkad	vissen
wind-chime	vindspel	fest	japan
wind-face	blåser vind	blåser	vind	väder
window	fönster	genomskinlig	ram	utsikt	öppning
wine-glass	vinglas	dryck	glas	vin
wing	vinge	flyger	fågel	mytologi	änglalik
winking-face	ansikte som blinkar med ögonen	blinkar med ögonen	blinkning	flört	skämt
winking-face-with-tongue	blinkande ansikte räcker ut tungan	blinkande ansikte	räcker ut tungan och blinkar
wireless	trådlös	dator	internet	nätverk
wolf	vargansikte	djur	varg
woman	kvinna	vuxen
woman-and-man-holding-hands	man och kvinna håller hand	håller hand	människor	par
woman-artist	kvinnlig konstnär	kvinna	målare	palett
woman-astronaut	kvinnlig astronaut	astronaut	kvinna	raket	rymden
woman-bald	kvinna: skallig	kvinna	skallig	vuxen
woman-beard	kvinna: skägg	kvinna	skägg
woman-biking	kvinna som cyklar	cykel	cyklist	kvinna	kvinna cyklar	kvinnlig
woman-blond-hair	blond kvinna	blond	blondin	kvinna
woman-bouncing-ball	kvinna med boll	boll	kvinna	kvinnlig
woman-bowing	bugande kvinna	beklagelse	buga	kvinna	ursäkt
woman-cartwheeling	kvinna som hjular	gymnastik	kvinna
woman-climbing	kvinna som klättrar	klättrare	kvinna klättrar
woman-construction-worker	kvinnlig byggarbetare	arbetare	bygge	kvinna
woman-cook	kvinnlig kock	kvinna	matlaging	restaurang
woman-curly-hair	kvinna: lockigt hår	kvinna	lockigt hår	vuxen
woman-dancing	dansande kvinna	dans	människor
woman-detective	kvinnlig detektiv	kommissarie	kvinna	privatdetektiv	spanare	spion
woman-elf	kvinnlig alv	magisk
woman-facepalming	kvinna som slår sig för pannan	facepalm	frustration	irritation	kvinna
woman-factory-worker	kvinnlig fabriksarbetare	fabrik	industri	kvinna	produktion
woman-fairy	kvinnlig fé	kvinnlig älva	titania
woman-farmer	kvinnlig bonde	bonde	jordbruk	kvinna	trädgårdsmästare
woman-feeding-baby	kvinna matar spädbarn	amma	kvinna	mata	spädbarn
woman-firefighter	kvinnlig brandman	brandbil	brandväsendet	kvinna
woman-frowning	sur kvinna	gest	kvinna	sur
woman-genie	kvinnlig ande	djinn
woman-gesturing-no	kvinna gestikulerar NEJ	förbjudet	gest	kvinna
woman-gesturing-ok	kvinna gestikulerar OK	gest	gest för ok	hand	okej
woman-getting-haircut	kvinna som får håret klippt	frisör	hårklipp	kvinna
woman-getting-massage	kvinna som blir masserad	avslappning	huvudmassage	kvinna	kvinna som får massage	massage
woman-golfing	kvinna som spelar golf	golf	kvinna	kvinna spelar golf	kvinnlig
woman-guard	kvinnlig grenadjär	grenadjär	kvinna	kvinnlig vakt	vaktbyte	vaktparad
woman-health-worker	kvinnlig läkare	doktor	hälsovård	kvinna	kvinnlig	läkare	skötare
woman-in-lotus-position	kvinna i lotusposition	meditering	yoga
woman-in-manual-wheelchair	kvinna i manuell rullstol	kvinna	rullstol
woman-in-motorized-wheelchair	kvinna i permobil	kvinna	permobil	rullstol
woman-in-steamy-room	kvinna i ångbastu	bastu	ångbastu
woman-in-tuxedo	kvinna i smoking	kvinna	smoking
woman-judge	kvinnlig domare	advokat	jurist	kvinna	kvinnlig
woman-juggling	kvinna som jonglerar	jonglering	kvinna	kvinna jonglerar	kvinnlig	multitask
woman-kneeling	knäsittande kvinna	knäsittande	knästående	kvinna
woman-lifting-weights	kvinna som lyfter tyngder	kvinna	kvinna lyfter tyngder	kvinnlig	tyngdlyftare
woman-mage	kvinnlig magiker	häxa
woman-mechanic	kvinnlig mekaniker	bil	kvinna	mekaniker	motor
woman-mountain-biking	kvinna som cyklar på en mountainbike	cykel	cyklist	kvinna	kvinna åker mountainbike
woman-office-worker	kontorstjänstekvinna	chef	kontor	kvinna	näringsliv
woman-pilot	kvinnlig pilot	flyga	kvinna	pilot
woman-playing-handball	kvinna som spelar handboll	handboll	kvinna	sport
woman-playing-water-polo	kvinna som spelar vattenpolo	kvinna	sport	vattenpolo
woman-police-officer	kvinnlig polis	konstapel	kvinna	lagen	polis
woman-pouting	plutande kvinna	kvinna	plutar
woman-raising-hand	kvinna som räcker upp handen	kvinna	räcka upp handen
woman-red-hair	kvinna: rödhårig	kvinna	rödhårig	vuxen
woman-rowing-boat	kvinna som ror en båt	eka	kvinna	kvinna ror	kvinnlig	roddbåt
woman-running	kvinna som springer	jogga	kvinna	kvinna springer	löpa
woman-scientist	kvinnlig forskare	kemi	kvinna	laboratorium	vetenskap
woman-shrugging	kvinna som rycker på axlarna	axelryckning	kvinna	likgiltighet	okunskap	tvivel
woman-singer	kvinnlig sångare	artist	konsert	kvinna	kändis	stjärna
woman-standing	stående kvinna	kvinna	stående
woman-student	kvinnlig student	kvinna	kvinnlig	student	studerande
woman-superhero	kvinnlig superhjälte	god	hjälte	hjältinna	kvinna	man	superkraft
woman-supervillain	kvinnlig superskurk	brottsling	kvinna	ond	skurk	superkraft
woman-surfing	kvinna som surfar	kvinna surfar	kvinnlig	surfing	woman
woman-swimming	kvinna som simmar	kvinna	simmare	simning
woman-teacher	kvinnlig lärare	instruktör	kvinna	kvinnlig	lärarinna	professor
woman-technologist	kvinnlig IT-expert	data	it	kvinna	teknologi
woman-tipping-hand	hjälpande kvinna	hjälpa	information	kvinna
woman-vampire	kvinnlig vampyr	vandöd
woman-walking	kvinna som går	fotgängare	gå	kvinna	kvinna går
woman-wearing-turban	kvinna i turban	kvinna	turban
woman-white-hair	kvinna: vithårig	kvinna	vithårig	vuxen
woman-with-headscarf	kvinna i sjal	hijab	sjal	slöja
woman-with-veil	kvinna i brudslöja	brudslöja	kvinna
woman-with-white-cane	kvinna med vit käpp	blind	blindkäpp	kvinna	vit käpp
woman-zombie	kvinnlig zombie	levande död	odöd	vandöd
womans-boot	damstövel	sko	stövel
womans-clothes	blus	damkläder	kläder
womans-hat	damhatt	hatt
womans-sandal	damsandal	sandal	sko
women-holding-hands	två kvinnor håller hand	håller hand	människor	par	två kvinnor
women-with-bunny-ears	kvinnor med kaninöron	dans	kaninöron	kvinna	kvinnor	party
women-wrestling	brottande kvinnor	brottning	kvinnor	sport
womens-room	damtoalett	kvinnor	symbol för kvinnor	toalett
wood	trästockar	stock	timmerstock	trä	trästock	ved
woozy-face	yrt ansikte	ostadig blick	på örat	påverkad	vågig mun	yr
world-map	världskarta	karta	världen
worm	mask	daggmask	parasit	ringmask
worried-face	bekymrat ansikte	bekymrad	orolig
wrapped-gift	inslagen present	fest	gåva	inslagen	present
wrench	skiftnyckel	verktyg
writing-hand	hand som skriver	hand	skriver
x-ray	röntgen	ben	läkare	medicin	skelett	undersökning
yarn	garn	garnnystan	sticka	virka
yawning-face	gäspande ansikte	gäspa	trött	uttråkad
yellow-circle	gul cirkel	cirkel	gul
yellow-heart	gult hjärta	gul	hjärta
yellow-square	gul kvadrat	gul	kvadrat
yen-banknote	yensedel	pengar	sedel	yen
yin-yang	yin och yang	religion	tao	taoist	yang	yin
yo-yo	jojo	jojare	snöre	trissa
zany-face	tokigt ansikte	liten	stor	öga
zebra	zebra	ränder
zipper-mouth-face	ansikte som tiger	ansikte	dragkedja	hemlighet
zombie	zombie	levande död	odöd	vandöd
zzz	snarkningar	snarkar	sömnig	trött	zzz
