Glimmora keywords 1
1st-place-medal	medalla de oro	medalla	oro	primero
2nd-place-medal	medalla de plata	medalla	plata	segundo
3rd-place-medal	medalla de bronce	bronce	medalla	tercero
a-button-blood-type	grupo sanguíneo A	a	grupo	sanguíneo	tipo a
ab-button-blood-type	grupo sanguíneo AB	ab	grupo	sanguíneo	tipo ab
abacus	ábaco	contar	cálculo	matemáticas
accordion	acordeón	concertina
adhesive-bandage	tirita	apósito
admission-tickets	entradas	acceso	admisión	entrada	evento
aerial-tramway	teleférico	aéreo	tranvía	vehículo
airplane	avión	aeroplano
airplane-arrival	avión aterrizando	aeroplano	avión	llegada
airplane-departure	avión despegando	aeroplano	avión	salida
alarm-clock	reloj despertador	alarma	despertador	reloj
alembic	alambique	herramienta	química
alien	alienígena	alien	cara	criatura	extraterrestre	ovni
alien-monster	monstruo alienígena	alien	cara	criatura	extraterrestre	ovni
ambulance	ambulancia	asistencia médica	transporte	vehículo
american-football	balón de fútbol americano	balón	deporte	fútbol americano
amphora	ánfora	acuario	beber	jarra	zodiaco
anatomical-heart	corazón humano	anatomía	cardiología	corazón	latido	pulso	órgano
anchor	ancla	barco	gancho
anger-symbol	símbolo de enfado	cómic	enfadado	enfado
angry-face	cara enfadada	cara	enfadado	histérico
angry-face-with-horns	cara enfadada con cuernos	cara	cuernos	demonio	diablo
anguished-face	cara angustiada	angustia	angustiado	cara
ant	hormiga	antenas	insecto
antenna-bars	barras de cobertura	antena	celular	móvil	señal	teléfono
anxious-face-with-sweat	cara con ansiedad y sudor	ansiedad	cara	frío	sudor
aquarius	Acuario	agua	zodiaco
aries	Aries	carnero	zodiaco
articulated-lorry	camión articulado	camión	tráiler	vehículo
artist	artista	paleta	pintor	pinturas
artist-palette	paleta de pintor	arte	artista	paleta	pintura
astonished-face	cara asombrada	alucinado	asombrado	cara	pasmado
astronaut	astronauta	cohete	espacio
atm-sign	señal de cajero automático	atm	banco	cajero
atom-symbol	símbolo de átomo	símbolo	átomo
auto-rickshaw	mototaxi	rickshaw	tuk tuk
automobile	coche	automóvil	vehículo
avocado	aguacate	comida	fruta
axe	hacha	cortar	dividir	hachuela	madera	talar
b-button-blood-type	grupo sanguíneo B	b	grupo	sanguíneo	tipo b
baby	bebé	joven	niño
baby-angel	bebé ángel	bebé	cara	cuento	ángel
baby-bottle	biberón	bebé	bibe	bibi	botella	leche
baby-chick	pollito	ave	pollo	polluelo
baby-symbol	señal de bebé	bebé	cambiar	lactancia
back-arrow	flecha BACK	atrás	atrás con flecha izquierda	back	flecha	flecha a la izquierda
backhand-index-pointing-down	dorso de mano con índice hacia abajo	abajo	apuntar	dedo	mano
backhand-index-pointing-left	dorso de mano con índice a la izquierda	dedo	izquierda	mano	índice
backhand-index-pointing-right	dorso de mano con índice a la derecha	dedo	derecha	mano	índice
backhand-index-pointing-up	dorso de mano con índice hacia arriba	apuntar	arriba	dedo	mano
backpack	mochila escolar	colegio	mochila
bacon	beicon	bacon	carne	comida	panceta
badger	tejón	ratel	tejón de la miel	tejón melero
badminton	bádminton	pluma	raqueta	volante
bagel	bagel	bocadillo	pan	panadería
baggage-claim	recogida de equipajes	equipaje	maleta
baguette-bread	baguete	baguette	barra	comida	francés	pan
balance-scale	balanza	justicia	libra	peso	zodiaco
ballet-shoes	zapatillas de ballet	bailar	ballet	balé	danza
balloon	globo	celebración
ballot-box-with-ballot	urna con papeleta	papeleta	urna	voto
banana	plátano	banana	fruta
banjo	banjo	banyo	cuerda	instrumento	música
bank	banco	banca	edificio
bar-chart	gráfico de barras	barras	gráfico
barber-pole	poste de barbero	barbero	barbería	peluquero	poste
baseball	béisbol	balón	baseball	pelota
basket	cesta	colada	cosecha	pícnic
basketball	balón de baloncesto	balón	canasta	deporte
bat	murciélago	vampiro
bathtub	bañera	baño
battery	pila	batería
beach-with-umbrella	playa y sombrilla	playa	sombrilla
beaming-face-with-smiling-eyes	cara radiante con ojos sonrientes	cara	ojo	risa	sonrisa
beans	alubias	comida	habichuela roja	habichuelas	judía roja	judías	legumbre
bear	oso	cara
beating-heart	corazón latiendo	amor	corazón	emoción	latido
beaver	castor	roedor
bed	cama	dormir	hotel
beer-mug	jarra de cerveza	bar	cerveza	jarra	restaurante
beetle	escarabajo	bicho	insecto
bell	campana
bell-pepper	pimiento	ají	chile	morrón	rojo	verdura
bell-with-slash	campana con signo de cancelación	campana	cancelación	ruido
bellhop-bell	timbre de hotel	botones	campanilla	hotel	timbre
bento-box	caja de bento	bento	caja	comida	restaurante
beverage-box	tetrabrik	brick	cartón	envase	zumo
bicycle	bicicleta	bici	vehículo
bikini	bikini	baño	playa	ropa
billed-cap	gorra con visera	béisbol	gorra	visera
biohazard	riesgo biológico	peligro	señal
bird	pájaro	ave	pajarillo
birthday-cake	tarta de cumpleaños	celebración	cumpleaños	tarta	feliz cumpleaños
bison	bisonte	búfalo	cíbolo
biting-lip	labio mordido	ansioso	incómodo	ligar	miedo	nervioso	preocupado
black-bird	pájaro negro	cuervo	grajo	mirlo	negro	pájaro
black-cat	gato negro	gato	mala suerte	negro
black-circle	círculo negro	círculo	geometría
black-flag	bandera negra	bandera	negra	ondear
black-heart	corazón negro	corazón	negro
black-large-square	cuadrado negro grande	cuadrado	geometría	negro
black-medium-small-square	cuadrado negro mediano-pequeño	cuadrado	geometría	negro
black-medium-square	cuadrado negro mediano	cuadrado	geometría	negro
black-nib	pluma negra	bolígrafo	escribir	pluma	tinta
black-small-square	cuadrado negro pequeño	cuadrado	geometría	negro
black-square-button	botón cuadrado con borde negro	botón	cuadrado
blinking-smiley	smiley parpadeando	parpadear
blossom	flor
blowfish	pez globo	globo	pez
blue-book	libro azul	azul	libro
blue-circle	círculo azul	azul	círculo	geometría
blue-heart	corazón azul	azul	corazón	emoción
blue-square	cuadrado azul	azul	cuadrado
blueberries	arándanos	arándano	azul	baya	frutos del bosque	mirtilo
boar	jabalí	cerdo salvaje
bomb	bomba	cómic	emoción
bone	hueso	esqueleto
bookmark	marcapáginas	marcador
bookmark-tabs	marcadores	pestañas
books	libros	libro
boomerang	bumerán	boomerang	rebotar
bottle-with-popping-cork	botella descorchada	bar	beber	botella	cava	corcho
bouncing-smiley	smiley saltando	saltar
bouquet	ramo de flores	bouquet	flores	ramo
bow-and-arrow	arco y flecha	arco	arquero	flecha	sagitario	zodiaco
bowl-with-spoon	cuenco con cuchara	cereal	desayuno
bowling	bolos	bola	bola de bolos	juego
boxing-glove	guante de boxeo	boxeo	deporte	guante
boy	niño	joven
brain	cerebro	inteligente
bread	pan de molde	pan	rebanada	tostada
breast-feeding	lactancia materna	amamantar	bebé	dar pecho	pecho
brick	ladrillo	arcilla	cemento	muro	pared
bridge-at-night	puente de noche	noche	puente
briefcase	maletín	cartera	documentos
briefs	ropa interior	bañador	bragas	braguitas	calzoncillos	slip
bright-button	brillo alto	alto	brillante	brillo	señal de brillo alto
broccoli	brócoli	col	repollo
broken-heart	corazón roto	corazón	emoción	partido	roto
broom	escoba	barrer	bruja	fregar
brown-circle	círculo marrón	círculo	marrón
brown-heart	corazón marrón	corazón	emoción	marrón
brown-square	cuadrado marrón	cuadrado	marrón
bubble-tea	té de burbujas	boba	bubble tea	burbuja	leche	perla	té
bubbles	burbujas	bajo el agua	eructar	jabón	limpiar
bucket	cubo	balde	barreño	cuba	cubeta
bug	bicho	gusano	insecto
building-construction	construcción	edificio	obra
bullet-train	tren bala	bala	shinkansen	tren	vehículo	velocidad
bullseye	diana	blanco	en el blanco	juego
burrito	burrito	comida	mexicano	tex mex	wrap
bus	autobús	bus	transporte
bus-stop	parada de autobús	autobús	parada
bust-in-silhouette	silueta de busto	busto	silueta
busts-in-silhouette	dos siluetas de bustos	bustos	siluetas
butter	mantequilla	lácteo
butterfly	mariposa	bonito	insecto
cactus	cactus	planta
calendar	calendario	fecha
call-me-hand	mano haciendo el gesto de llamar	llamar	mano	meñique	pulgar
camel	dromedario	camello	desierto	joroba
camera	cámara de fotos	cámara
camera-with-flash	cámara con flash	cámara	flash
camping	camping	acampada	campamento	vacaciones
cancer	Cáncer	cangrejo	zodiaco
candle	vela	luz
candy	caramelo	chuche	chuchería	dulce	golosina
canned-food	comida enlatada	conserva	lata
canoe	canoa	barca	barco	piragua
capricorn	Capricornio	cabra	zodiaco
card-file-box	archivador de tarjetas	archivador	archivo	caja
card-index	organizador de fichas	cartera	ficha	organizador	tarjetas
card-index-dividers	separador de fichas	fichas	fichero	separador
carousel-horse	caballo de tiovivo	caballo	entretenimiento	tiovivo
carp-streamer	banderín de carpas	banderín	carpa	celebración	koinobori
carpentry-saw	sierra de carpintería	carpintero	carpintería	herramienta	sierra	talar
carrot	zanahoria	comida	verdura
castle	castillo europeo	castillo	construcción
cat	gato	gatete	minino
cat-face	cara de gato	cara	gato	mascota
cat-with-tears-of-joy	gato llorando de risa	cara	gato	lágrima	risa
cat-with-wry-smile	gato haciendo una mueca	cara	gato	irónico	sonrisa
chains	cadenas	cadena
chair	silla	asiento	sentarse
chart-decreasing	gráfica de evolución descendente	descendente	gráfica	gráfico	tendencia descendente
chart-increasing	gráfica de evolución ascendente	ascendente	gráfica	gráfico	tendencia ascendente
chart-increasing-with-yen	mercado al alza	alza	mercado	mercado alcista	tabla
check-box-with-check	casilla con marca de verificación	casilla	marca	selección	verificación	✓
check-mark	marca de verificación	marca	selección	verificación	✓
check-mark-button	botón de marca de verificación	botón	marca	selección	verificación	✓
cheese-wedge	cuña de queso	cuña	queso	trozo
chequered-flag	bandera de cuadros	bandera	carreras	cuadros	deporte	motor
cherries	cerezas	cereza	fruta	guindas
cherry-blossom	flor de cerezo	cerezo	flor
chess-pawn	peón de ajedrez	ajedrez	peón
chestnut	castaña	castaño	fruto seco
chicken	gallina	ave	gallinácea	pollo
child	infante	crío	género	joven	neutro
children-crossing	niños cruzando	cruzando	niños	señal
chipmunk	ardilla
chocolate-bar	tableta de chocolate	barra	chocolate	restaurante	tableta
chopsticks	palillos	cubiertos	hashi
christmas-tree	árbol de Navidad	abeto de navidad	celebración	navidad	árbol
church	iglesia	cristianismo	cruz	edificio	religión
cigarette	cigarrillo	cigarro	fumar
cinema	cine	entretenimiento	película
circled-m	m en círculo	círculo	m
circus-tent	carpa de circo	carpa	circo	entretenimiento
cityscape	paisaje urbano	ciudad	edificio	paisaje
cityscape-at-dusk	ciudad al atardecer	atardecer	ciudad	edificios	paisaje
cl-button	borrar	símbolo
clamp	tornillo de banco	herramienta	tornillo
clapper-board	claqueta	cine	claqueta de cine	entretenimiento	película
clapping-hands	manos aplaudiendo	aplaudir	manos	palmas	señal
classical-building	edificio clásico	clásico	edificio
clinking-beer-mugs	jarras de cerveza brindando	bar	cerveza	jarra	jarras	restaurante
clinking-glasses	copas brindando	bebida	brindar	brindis	celebración	copa
clipboard	portapapeles	papeles	pinza	tabla
clockwise-vertical-arrows	flechas verticales en sentido horario	flechas	flechas verticales sentido horario	horario	señal de recarga
closed-book	libro cerrado	cerrado	libro
closed-mailbox-with-lowered-flag	buzón cerrado con la bandera bajada	bandera	buzón	buzón cerrado	vacío
closed-mailbox-with-raised-flag	buzón cerrado con la bandera levantada	bandera	buzón	buzón cerrado	con contenido
closed-umbrella	paraguas cerrado	accesorios	lluvia	paraguas
cloud	nube	tiempo
cloud-with-lightning	nube con rayo	nube	rayo
cloud-with-lightning-and-rain	nube con rayo y lluvia	lluvia	nube	trueno
cloud-with-rain	nube con lluvia	lluvia	nube
cloud-with-snow	nube con nieve	frío	nieve	nube
clown-face	cara de payaso	cara	payaso
club-suit	palo de tréboles	carta	juego	palo	tréboles
clutch-bag	bolso de mano	accesorios	bolso	cartera	complementos
coat	abrigo	chaquetón
cockroach	cucaracha	alimaña	bicho	insecto	plaga
cocktail-glass	copa de cóctel	bar	copa	cóctel	restaurante
coconut	coco	palmera	piña colada
coffin	ataúd	muerte
coin	moneda	dinero	metal	oro	plata	tesoro
cold-face	cara con frío	cara congelada	congelado	frío	helado
collision	colisión	cómic
comet	meteorito	cometa	espacio
compass	brújula	compás	magnético	navegación	orientación
computer-disk	minidisc	disco	md
computer-mouse	ratón de ordenador	ordenador	ratón
confetti-ball	bola de confeti	celebración	confeti
confounded-face	cara de frustración	cara	frustrado
confused-face	cara de confusión	cara	confuso
construction	obras	construcción	señal	señal de obras
construction-worker	profesional de la construcción	casco	construcción	obrero	trabajador
control-knobs	ruedas de control	control	diales	música	potenciómetros	ruedas
convenience-store	tienda 24 horas	edificio	establecimiento	tienda de comestibles
cook	chef	cocinero	cocinillas	guisandero	pinche
cooked-rice	arroz cocido	arroz	restaurante
cookie	galleta	dulce	pasta	postre
cooking	cocinar	freír	huevo	sartén
cool-button	botón COOL	botón	cool	mola
copyright	copyright	c	símbolo
coral	coral	arrecife	océano
couch-and-lamp	sofá y lámpara	hotel	lámpara	sofá
counterclockwise-arrows-button	flechas en sentido antihorario	dirección	flechas	sentido antihorario	señal de recarga
couple-with-heart	pareja enamorada	amor	pareja	personas enamoradas
couple-with-heart-man-man	pareja enamorada: hombre y hombre	amor	hombre	pareja	pareja enamorada	personas enamoradas
couple-with-heart-woman-man	pareja enamorada: mujer y hombre	amor	hombre	mujer	pareja	pareja enamorada	personas enamoradas
couple-with-heart-woman-woman	pareja enamorada: mujer y mujer	amor	mujer	pareja	pareja enamorada	personas enamoradas
cow	vaca	bovino	res
cow-face	cara de vaca	cara	vaca
cowboy-hat-face	cara con sombrero de vaquero	cara	sombrero	vaquera	vaquero
crab	cangrejo	animal	cáncer	zodiaco
crayon	lápiz de cera	cera	lápiz
credit-card	tarjeta de crédito	crédito	tarjeta
crescent-moon	luna	creciente	espacio
cricket	grillo	saltamontes
cricket-game	críquet	juego	pelota
crocodile	cocodrilo	caimán
croissant	cruasán	bollo	comida	croissant	francés
cross-mark	marca de cruz	cancelar	cruz	marca de tachado	tachar	x	×
cross-mark-button	botón con marca de cruz	casilla	cruz	marca	x	×
crossed-fingers	dedos cruzados	cruzar	dedos	mano	suerte
crossed-flags	banderas cruzadas	banderas	celebración	japón
crossed-swords	espadas cruzadas	arma	cruzadas	espadas
crown	corona	accesorios	complementos	reina	rey
crutch	muleta	ayuda para la movilidad	bastón	discapacidad	lesión	palo
crying-cat	gato llorando	cara	gato	lágrima	pena	triste
crying-face	cara llorando	cara	llorar	lágrima	triste
crying-smiley	smiley llorando	llorar	lágrima	triste
crystal-ball	bola de cristal	adivinación	bola	buena fortuna	cristal
cucumber	pepino	comida	pepinillo	verdura
cup-with-straw	vaso con pajita	refresco	zumo
cupcake	magdalena	cupcake	dulce	repostería
curling-stone	piedra de curling	juego	roca
curly-loop	bucle	giro	tirabuzón
currency-exchange	cambio de divisas	cambio	dinero	divisa	moneda
curry-rice	arroz con curry	arroz	curry	restaurante
custard	flan	dulce	postre	pudding
customs	aduana
cut-of-meat	corte de carne	carne	chuleta	filete
cyclone	ciclón	mareo	tifón	tornado
dagger	puñal	arma	cuchillo	daga
dango	dango	japonés	pincho	postre	restaurante
dashing-away	salir corriendo	carrera	correr	cómic	humo
deaf-man	hombre sordo	hombre	sordera	sordo
deaf-person	persona sorda	accesibilidad	escuchar	oído	oír	sordera
deaf-woman	mujer sorda	mujer	sorda	sordera
deciduous-tree	árbol de hoja caduca	caducifolio	hoja caduca	árbol
deer	ciervo	bambi	cervatillo
delivery-truck	camión de reparto	mercancías	reparto	transporte	vehículo
department-store	grandes almacenes	comercio
derelict-house	casa abandonada	abandonada	casa	deshabitada	inhabitada	vacía
desert	desierto	arena
desert-island	isla desierta	desierta	isla
desktop-computer	ordenador de sobremesa	ordenador	sobremesa
detective	detective	cara	espía
diamond-suit	palo de diamantes	carta	diamantes	juego	palo
diamond-with-a-dot	rombo con pétalo	flor	geometría	rombo
dim-button	brillo bajo	bajo	brillo	señal de brillo bajo	tenue
disappointed-face	cara decepcionada	cara	decepcionado	decepción
disguised-face	cara disfrazada	careta	disfraz	disimulo	gafas	incógnito	nariz
divide	división	signo	signo de división	÷
diving-mask	máscara de buceo	bucear	buzo	esnórquel	máscara	tubo
diya-lamp	lámpara de aceite	aceite	diya	lámpara
dizzy	símbolo de mareo	cómic	emoción	estrella	mareo
dizzy-smiley	smiley mareado	mareo
dna	adn	biólogo	evolución	gen	genética	vida
dodo	dodo	ave	dronte	extinguido	mauricio	pájaro
dog	perro	cachorro	perrete	perrito
dog-face	cara de perro	cara	mascota	perro
dollar-banknote	billete de dólar	billete	billete de banco	dinero	dólar
dolphin	delfín	cetáceo
donkey	burro	animal	asno	borrico	mamífero	mula	terco
door	puerta
dotted-line-face	cara con línea de puntos	depresivo	deprimido	desaparecer	esconderse	introvertido	invisible
dotted-six-pointed-star	estrella de seis puntas	adivinación	buena fortuna	estrella	seis puntas
double-curly-loop	bucle doble	bucle	doble
double-exclamation-mark	exclamación doble	!!	exclamación	puntuación	sorpresa
doughnut	dónut	berlina	pastel	rosquilla
dove	paloma	ave	paz	pájaro
down-arrow	flecha hacia abajo	abajo	dirección	flecha	sur
down-left-arrow	flecha hacia la esquina inferior izquierda	abajo	dirección	flecha	izquierda	suroeste
down-right-arrow	flecha hacia la esquina inferior derecha	abajo	derecha	dirección	flecha	sudeste
downcast-face-with-sweat	cara con sudor frío	cara	frío	sudor
downwards-button	triángulo hacia abajo	abajo	botón	botón triángulo hacia abajo	triángulo
dragon	dragón	cuento	fantasía
dragon-face	cara de dragón	cara	cuento	dragón	fantasía
dress	vestido	mujer	ropa
drooling-face	cara babeando	baba	babeando	cara
drop-of-blood	gota de sangre	donación de sangre	donar sangre	herida	medicina	sangre
droplet	gota	agua	cómic	sudor
drum	tambor	baquetas	música
duck	pato	ave
dumpling	dumpling	comida	gyōza	jiaozi	masa
dvd	disco DVD	disco	dvd
e-mail	correo electrónico	comunicación	correo	sobre
eagle	águila	ave
ear	oreja	cuerpo
ear-of-corn	espiga de maíz	espiga	mazorca	maíz	mijo
ear-with-hearing-aid	oreja con audífono	accesibilidad	audífono	prótesis auditiva	sordo
egg	huevo	comida
eggplant	berenjena	fruto	verdura
eight-oclock	8 en punto	8:00	ocho	reloj
eight-pointed-star	estrella de ocho puntas	*	estrella
eight-spoked-asterisk	asterisco de ocho puntas	*	asterisco
eight-thirty	ocho y media	8:30	reloj
eject-button	expulsar	botón
electric-plug	enchufe eléctrico	corriente	electricidad	eléctrico	enchufe
elephant	elefante	paquidermo
elevator	ascensor	accesibilidad	elevador	montacargas
eleven-oclock	11 en punto	11:00	once	reloj
eleven-thirty	once y media	11:30	reloj
elf	elfo	mágico
empty-nest	nido vacío	anidación	anidamiento	anidar
end-arrow	flecha END	final	final con flecha izquierda	flecha	flecha a la izquierda
enraged-face	cara cabreada	cabreo	cara	enfadado	furia
envelope	sobre	carta	correo
envelope-with-arrow	sobre con flecha	carta	comunicación	correo	correo electrónico	sobre
euro-banknote	billete de euro	billete	billete de banco	dinero	euro
evergreen-tree	árbol de hoja perenne	hoja perenne	perenne	árbol
ewe	oveja	borrego	cordero	ovino
exclamation-question-mark	exclamación e interrogación	!	!?	?	exclamación	interrogación
exploding-head	cabeza explotando	cabeza	explosión
expressionless-face	cara sin expresión	cara	inexpresiva	inexpresivo	inexpresión
eye	ojo	cuerpo
eye-in-speech-bubble	ojo en bocadillo de texto	bocadillo de texto	ojo	testigo
eyes	ojos	cara
face-blowing-a-kiss	cara lanzando un beso	beso	cara
face-exhaling	cara exhalando	alivio	bocanada	exhalar	jadear	resoplido	silbar
face-holding-back-tears	cara aguantándose las lágrimas	emocionado	emoción	llorar	orgulloso	resistir	triste
face-in-clouds	cara entre las nubes	ausente	cabeza en las nubes	cara en la niebla	en las nubes
face-savoring-food	cara saboreando comida	cara	delicioso	hambre	rico
face-screaming-in-fear	cara gritando de miedo	asustado	cara	miedo	pánico
face-vomiting	cara vomitando	enfermo	malo	vomitar
face-with-crossed-out-eyes	cara mareada	cara	mareo
face-with-diagonal-mouth	cara con boca diagonal	decepcionado	decepción	escéptico	inseguro	jo	vaya
face-with-hand-over-mouth	cara con mano sobre la boca	ostras	uy	vaya
face-with-head-bandage	cara con la cabeza vendada	cara	dolor	herida	venda
face-with-medical-mask	cara con mascarilla médica	cara	enfermo	malo	máscara
face-with-monocle	cara con monóculo	aristocrático	estirado
face-with-open-eyes-and-hand-over-mouth	cara con ojos abiertos y boca tapada	alucinar	asombro	increíble	sorpresa	vergüenza
face-with-open-mouth	cara con la boca abierta	boca	cara
face-with-peeking-eye	cara tapada con ojo espiando	espiar	fascinado	mirar	vistazo
face-with-raised-eyebrow	cara con ceja alzada	desconfiado	escéptico
face-with-rolling-eyes	cara con ojos en blanco	cara	frustración	ojos	vueltos
face-with-spiral-eyes	cara con ojos en espiral	espiral	hipnotizado	indispuesto	mareado	mareo	problema
face-with-steam-from-nose	cara resoplando	cabreo	cara	enfado
face-with-symbols-on-mouth	cara con símbolos en la boca	maldecir	palabrota	símbolo
face-with-tears-of-joy	cara llorando de risa	cara	felicidad	lágrima	risa	jaja
face-with-thermometer	cara con termómetro	cara	enfermo	malo	termómetro
face-with-tongue	cara sacando la lengua	cara	lengua
face-without-mouth	cara sin boca	boca	callado	cara	silencio
factory	fábrica	edificio	industria
factory-worker	profesional industrial	fábrica	montaje	obrero	operario	trabajador
fairy	hada	campanilla	oberón	puck	titania
falafel	falafel	albóndiga	garbanzo
fallen-leaf	hojas caídas	caída	hojas
family	familia
family-man-boy	familia: hombre y niño	familia	hombre	niño
family-man-boy-boy	familia: hombre, niño, niño	familia	hombre	niño
family-man-girl	familia: hombre y niña	familia	hombre	niña
family-man-girl-boy	familia: hombre, niña, niño	familia	hombre	niña	niño
family-man-girl-girl	familia: hombre, niña, niña	familia	hombre	niña
family-man-man-boy	familia: hombre, hombre, niño	familia	hombre	niño
family-man-man-boy-boy	familia: hombre, hombre, niño, niño	familia	hombre	niño
family-man-man-girl	familia: hombre, hombre, niña	familia	hombre	niña
family-man-man-girl-boy	familia: hombre, hombre, niña, niño	familia	hombre	niña	niño
family-man-man-girl-girl	familia: hombre, hombre, niña, niña	familia	hombre	niña
family-man-woman-boy	familia: hombre, mujer, niño	familia	hombre	mujer	niño
family-man-woman-boy-boy	familia: hombre, mujer, niño, niño	familia	hombre	mujer	niño
family-man-woman-girl	familia: hombre, mujer, niña	familia	hombre	mujer	niña
family-man-woman-girl-boy	familia: hombre, mujer, niña, niño	familia	hombre	mujer	niña	niño
family-man-woman-girl-girl	familia: hombre, mujer, niña, niña	familia	hombre	mujer	niña
family-woman-boy	familia: mujer y niño	familia	mujer	niño
family-woman-boy-boy	familia: mujer, niño, niño	familia	mujer	niño
family-woman-girl	familia: mujer y niña	familia	mujer	niña
family-woman-girl-boy	familia: mujer, niña, niño	familia	mujer	niña	niño
family-woman-girl-girl	familia: mujer, niña, niña	familia	mujer	niña
family-woman-woman-boy	familia: mujer, mujer, niño	familia	mujer	niño
family-woman-woman-boy-boy	familia: mujer, mujer, niño, niño	familia	mujer	niño
family-woman-woman-girl	familia: mujer, mujer, niña	familia	mujer	niña
family-woman-woman-girl-boy	familia: mujer, mujer, niña, niño	familia	mujer	niña	niño
family-woman-woman-girl-girl	familia: mujer, mujer, niña, niña	familia	mujer	niña
farmer	profesional de la agricultura	agricultor	cultivador	granjero	jardinero	labrador
fast-down-button	triángulo doble hacia abajo	triángulo	triángulo doble abajo
fast-forward-button	avance rápido	avanzar	doble	flecha
fast-reverse-button	retroceso rápido	flecha	flecha doble a la izquierda	izquierda	rebobinado	rebobinar
fast-up-button	triángulo doble hacia arriba	arriba	flecha
fax-machine	máquina de fax	comunicación	fax
fearful-face	cara asustada	asustado	cara	miedo	miedoso
feather	pluma	ave	ligero	plumaje	pájaro
female-sign	signo femenino	mujer	signo	símbolo
ferris-wheel	noria de feria	atracciones	entretenimiento	feria	noria
ferry	ferri	barco	ferry
field-hockey	hockey sobre hierba	hierba	hockey	juego	palo	pelota
file-cabinet	archivador	archivos	oficina	organizador
file-folder	carpeta de archivos	archivo	carpeta
film-frames	fotograma de película	cine	fotograma	película
film-projector	proyector de cine	cine	película	proyector
fire	fuego	llama
fire-engine	coche de bomberos	camión	camión de bomberos	fuego	vehículo
fire-extinguisher	extintor	apagar	extinguir	incendio
firecracker	petardo	dinamita	explosivo	fuegos artificiales
firefighter	bombero	camión	manguera
fireworks	fuegos artificiales	celebración
first-quarter-moon	luna en cuarto creciente	creciente	cuarto	espacio	luna
first-quarter-moon-face	luna de cuarto creciente con cara	cara	creciente	cuarto	espacio	luna
fish	pez	pececillo	pescado	piscis	zodiaco
fish-cake-with-swirl	pastel de pescado japonés	comida japonesa	pastel	pescado
fishing-pole	caña de pescar	caña	entretenimiento	esparcimiento	pesca	pez
five-oclock	5 en punto	5:00	cinco	reloj
five-thirty	cinco y media	5:30	reloj
flag-afghanistan	Bandera: Afganistán	AF	bandera
flag-aland-islands	Bandera: Islas Aland	AX	bandera
flag-albania	Bandera: Albania	AL	bandera
flag-algeria	Bandera: Argelia	DZ	bandera
flag-american-samoa	Bandera: Samoa Americana	AS	bandera
flag-andorra	Bandera: Andorra	AD	bandera
flag-angola	Bandera: Angola	AO	bandera
flag-anguilla	Bandera: Anguila	AI	bandera
flag-antarctica	Bandera: Antártida	AQ	bandera
flag-antigua-and-barbuda	Bandera: Antigua y Barbuda	AG	bandera
flag-argentina	Bandera: Argentina	AR	bandera
flag-armenia	Bandera: Armenia	AM	bandera
flag-aruba	Bandera: Aruba	AW	bandera
flag-ascension-island	Bandera: Isla de la Ascensión	AC	bandera
flag-australia	Bandera: Australia	AU	bandera
flag-austria	Bandera: Austria	AT	bandera
flag-azerbaijan	Bandera: Azerbaiyán	AZ	bandera
flag-bahamas	Bandera: Bahamas	BS	bandera
flag-bahrain	Bandera: Baréin	BH	bandera
flag-bangladesh	Bandera: Bangladés	BD	bandera
flag-barbados	Bandera: Barbados	BB	bandera
flag-belarus	Bandera: Bielorrusia	BY	bandera
flag-belgium	Bandera: Bélgica	BE	bandera
flag-belize	Bandera: Belice	BZ	bandera
flag-benin	Bandera: Benín	BJ	bandera
flag-bermuda	Bandera: Bermudas	BM	bandera
flag-bhutan	Bandera: Bután	BT	bandera
flag-bolivia	Bandera: Bolivia	BO	bandera
flag-bosnia-and-herzegovina	Bandera: Bosnia y Herzegovina	BA	bandera
flag-botswana	Bandera: Botsuana	BW	bandera
flag-bouvet-island	Bandera: Isla Bouvet	BV	bandera
flag-brazil	Bandera: Brasil	BR	bandera
flag-british-indian-ocean-territory	Bandera: Territorio Británico del Océano Índico	IO	bandera
flag-british-virgin-islands	Bandera: Islas Vírgenes Británicas	VG	bandera
flag-brunei	Bandera: Brunéi	BN	bandera
flag-bulgaria	Bandera: Bulgaria	BG	bandera
flag-burkina-faso	Bandera: Burkina Faso	BF	bandera
flag-burundi	Bandera: Burundi	BI	bandera
flag-cambodia	Bandera: Camboya	KH	bandera
flag-cameroon	Bandera: Camerún	CM	bandera
flag-canada	Bandera: Canadá	CA	bandera
flag-canary-islands	Bandera: Canarias	IC	bandera
flag-cape-verde	Bandera: Cabo Verde	CV	bandera
flag-caribbean-netherlands	Bandera: Caribe neerlandés	BQ	bandera
flag-cayman-islands	Bandera: Islas Caimán	KY	bandera
flag-central-african-republic	Bandera: República Centroafricana	CF	bandera
flag-ceuta-and-melilla	Bandera: Ceuta y Melilla	EA	bandera
flag-chad	Bandera: Chad	TD	bandera
flag-chile	Bandera: Chile	CL	bandera
flag-china	Bandera: China	CN	bandera
flag-christmas-island	Bandera: Isla de Navidad	CX	bandera
flag-clipperton-island	Bandera: Isla Clipperton	CP	bandera
flag-cocos-keeling-islands	Bandera: Islas Cocos	CC	bandera
flag-colombia	Bandera: Colombia	CO	bandera
flag-comoros	Bandera: Comoras	KM	bandera
flag-congo-brazzaville	Bandera: Congo	CG	bandera
flag-congo-kinshasa	Bandera: República Democrática del Congo	CD	bandera
flag-cook-islands	Bandera: Islas Cook	CK	bandera
flag-costa-rica	Bandera: Costa Rica	CR	bandera
flag-cote-divoire	Bandera: Côte d’Ivoire	CI	bandera
flag-croatia	Bandera: Croacia	HR	bandera
flag-cuba	Bandera: Cuba	CU	bandera
flag-curacao	Bandera: Curazao	CW	bandera
flag-cyprus	Bandera: Chipre	CY	bandera
flag-czechia	Bandera: Chequia	CZ	bandera
flag-denmark	Bandera: Dinamarca	DK	bandera
flag-diego-garcia	Bandera: Diego García	DG	bandera
flag-djibouti	Bandera: Yibuti	DJ	bandera
flag-dominica	Bandera: Dominica	DM	bandera
flag-dominican-republic	Bandera: República Dominicana	DO	bandera
flag-ecuador	Bandera: Ecuador	EC	bandera
flag-egypt	Bandera: Egipto	EG	bandera
flag-el-salvador	Bandera: El Salvador	SV	bandera
flag-england	Bandera: Inglaterra	bandera	gbeng
flag-equatorial-guinea	Bandera: Guinea Ecuatorial	GQ	bandera
flag-eritrea	Bandera: Eritrea	ER	bandera
flag-estonia	Bandera: Estonia	EE	bandera
flag-eswatini	Bandera: Esuatini	SZ	bandera
flag-ethiopia	Bandera: Etiopía	ET	bandera
flag-european-union	Bandera: Unión Europea	EU	bandera
flag-falkland-islands	Bandera: Islas Malvinas	FK	bandera
flag-faroe-islands	Bandera: Islas Feroe	FO	bandera
flag-fiji	Bandera: Fiyi	FJ	bandera
flag-finland	Bandera: Finlandia	FI	bandera
flag-france	Bandera: Francia	FR	bandera
flag-french-guiana	Bandera: Guayana Francesa	GF	bandera
flag-french-polynesia	Bandera: Polinesia Francesa	PF	bandera
flag-french-southern-territories	Bandera: Territorios Australes Franceses	TF	bandera
flag-gabon	Bandera: Gabón	GA	bandera
flag-gambia	Bandera: Gambia	GM	bandera
flag-georgia	Bandera: Georgia	GE	bandera
flag-germany	Bandera: Alemania	DE	bandera
flag-ghana	Bandera: Ghana	GH	bandera
flag-gibraltar	Bandera: Gibraltar	GI	bandera
flag-greece	Bandera: Grecia	GR	bandera
flag-greenland	Bandera: Groenlandia	GL	bandera
flag-grenada	Bandera: Granada	GD	bandera
flag-guadeloupe	Bandera: Guadalupe	GP	bandera
flag-guam	Bandera: Guam	GU	bandera
flag-guatemala	Bandera: Guatemala	GT	bandera
flag-guernsey	Bandera: Guernesey	GG	bandera
flag-guinea	Bandera: Guinea	GN	bandera
flag-guinea-bissau	Bandera: Guinea-Bisáu	GW	bandera
flag-guyana	Bandera: Guyana	GY	bandera
flag-haiti	Bandera: Haití	HT	bandera
flag-heard-and-mcdonald-islands	Bandera: Islas Heard y McDonald	HM	bandera
flag-honduras	Bandera: Honduras	HN	bandera
flag-hong-kong-sar-china	Bandera: RAE de Hong Kong (China)	HK	bandera
flag-hungary	Bandera: Hungría	HU	bandera
flag-iceland	Bandera: Islandia	IS	bandera
flag-in-hole	banderín en hoyo	banderín	golf	hoyo
flag-india	Bandera: India	IN	bandera
flag-indonesia	Bandera: Indonesia	ID	bandera
flag-iran	Bandera: Irán	IR	bandera
flag-iraq	Bandera: Irak	IQ	bandera
flag-ireland	Bandera: Irlanda	IE	bandera
flag-isle-of-man	Bandera: Isla de Man	IM	bandera
flag-israel	Bandera: Israel	IL	bandera
flag-italy	Bandera: Italia	IT	bandera
flag-jamaica	Bandera: Jamaica	JM	bandera
flag-japan	Bandera: Japón	JP	bandera
flag-jersey	Bandera: Jersey	JE	bandera
flag-jordan	Bandera: Jordania	JO	bandera
flag-kazakhstan	Bandera: Kazajistán	KZ	bandera
flag-kenya	Bandera: Kenia	KE	bandera
flag-kiribati	Bandera: Kiribati	KI	bandera
flag-kosovo	Bandera: Kosovo	XK	bandera
flag-kuwait	Bandera: Kuwait	KW	bandera
flag-kyrgyzstan	Bandera: Kirguistán	KG	bandera
flag-laos	Bandera: Laos	LA	bandera
flag-latvia	Bandera: Letonia	LV	bandera
flag-lebanon	Bandera: Líbano	LB	bandera
flag-lesotho	Bandera: Lesoto	LS	bandera
flag-liberia	Bandera: Liberia	LR	bandera
flag-libya	Bandera: Libia	LY	bandera
flag-liechtenstein	Bandera: Liechtenstein	LI	bandera
flag-lithuania	Bandera: Lituania	LT	bandera
flag-luxembourg	Bandera: Luxemburgo	LU	bandera
flag-macao-sar-china	Bandera: RAE de Macao (China)	MO	bandera
flag-madagascar	Bandera: Madagascar	MG	bandera
flag-malawi	Bandera: Malaui	MW	bandera
flag-malaysia	Bandera: Malasia	MY	bandera
flag-maldives	Bandera: Maldivas	MV	bandera
flag-mali	Bandera: Mali	ML	bandera
flag-malta	Bandera: Malta	MT	bandera
flag-marshall-islands	Bandera: Islas Marshall	MH	bandera
flag-martinique	Bandera: Martinica	MQ	bandera
flag-mauritania	Bandera: Mauritania	MR	bandera
flag-mauritius	Bandera: Mauricio	MU	bandera
flag-mayotte	Bandera: Mayotte	YT	bandera
flag-mexico	Bandera: México	MX	bandera
flag-micronesia	Bandera: Micronesia	FM	bandera
flag-moldova	Bandera: Moldavia	MD	bandera
flag-monaco	Bandera: Mónaco	MC	bandera
flag-mongolia	Bandera: Mongolia	MN	bandera
flag-montenegro	Bandera: Montenegro	ME	bandera
flag-montserrat	Bandera: Montserrat	MS	bandera
flag-morocco	Bandera: Marruecos	MA	bandera
flag-mozambique	Bandera: Mozambique	MZ	bandera
flag-myanmar-burma	Bandera: Myanmar (Birmania)	MM	bandera
flag-namibia	Bandera: Namibia	NA	bandera
flag-nauru	Bandera: Nauru	NR	bandera
flag-nepal	Bandera: Nepal	NP	bandera
flag-netherlands	Bandera: Países Bajos	NL	bandera
flag-new-caledonia	Bandera: Nueva Caledonia	NC	bandera
flag-new-zealand	Bandera: Nueva Zelanda	NZ	bandera
flag-nicaragua	Bandera: Nicaragua	NI	bandera
flag-niger	Bandera: Níger	NE	bandera
flag-nigeria	Bandera: Nigeria	NG	bandera
flag-niue	Bandera: Niue	NU	bandera
flag-norfolk-island	Bandera: Isla Norfolk	NF	bandera
flag-north-korea	Bandera: Corea del Norte	KP	bandera
flag-north-macedonia	Bandera: Macedonia del Norte	MK	bandera
flag-northern-mariana-islands	Bandera: Islas Marianas del Norte	MP	bandera
flag-norway	Bandera: Noruega	NO	bandera
flag-oman	Bandera: Omán	OM	bandera
flag-pakistan	Bandera: Pakistán	PK	bandera
flag-palau	Bandera: Palaos	PW	bandera
flag-palestinian-territories	Bandera: Territorios Palestinos	PS	bandera
flag-panama	Bandera: Panamá	PA	bandera
flag-papua-new-guinea	Bandera: Papúa Nueva Guinea	PG	bandera
flag-paraguay	Bandera: Paraguay	PY	bandera
flag-peru	Bandera: Perú	PE	bandera
flag-philippines	Bandera: Filipinas	PH	bandera
flag-pitcairn-islands	Bandera: Islas Pitcairn	PN	bandera
flag-poland	Bandera: Polonia	PL	bandera
flag-portugal	Bandera: Portugal	PT	bandera
flag-puerto-rico	Bandera: Puerto Rico	PR	bandera
flag-qatar	Bandera: Catar	QA	bandera
flag-reunion	Bandera: Reunión	RE	bandera
flag-romania	Bandera: Rumanía	RO	bandera
flag-russia	Bandera: Rusia	RU	bandera
flag-rwanda	Bandera: Ruanda	RW	bandera
flag-samoa	Bandera: Samoa	WS	bandera
flag-san-marino	Bandera: San Marino	SM	bandera
flag-sao-tome-and-principe	Bandera: Santo Tomé y Príncipe	ST	bandera
flag-saudi-arabia	Bandera: Arabia Saudí	SA	bandera
flag-scotland	Bandera: Escocia	bandera	gbsct
flag-senegal	Bandera: Senegal	SN	bandera
flag-serbia	Bandera: Serbia	RS	bandera
flag-seychelles	Bandera: Seychelles	SC	bandera
flag-sierra-leone	Bandera: Sierra Leona	SL	bandera
flag-singapore	Bandera: Singapur	SG	bandera
flag-sint-maarten	Bandera: Sint Maarten	SX	bandera
flag-slovakia	Bandera: Eslovaquia	SK	bandera
flag-slovenia	Bandera: Eslovenia	SI	bandera
flag-solomon-islands	Bandera: Islas Salomón	SB	bandera
flag-somalia	Bandera: Somalia	SO	bandera
flag-south-africa	Bandera: Sudáfrica	ZA	bandera
flag-south-georgia-and-south-sandwich-islands	Bandera: Islas Georgia del Sur y Sandwich del Sur	GS	bandera
flag-south-korea	Bandera: Corea del Sur	KR	bandera
flag-south-sudan	Bandera: Sudán del Sur	SS	bandera
flag-spain	Bandera: España	ES	bandera
flag-sri-lanka	Bandera: Sri Lanka	LK	bandera
flag-st-barthelemy	Bandera: San Bartolomé	BL	bandera
flag-st-helena	Bandera: Santa Elena	SH	bandera
flag-st-kitts-and-nevis	Bandera: San Cristóbal y Nieves	KN	bandera
flag-st-lucia	Bandera: Santa Lucía	LC	bandera
flag-st-martin	Bandera: San Martín	MF	bandera
flag-st-pierre-and-miquelon	Bandera: San Pedro y Miquelón	PM	bandera
flag-st-vincent-and-grenadines	Bandera: San Vicente y las Granadinas	VC	bandera
flag-sudan	Bandera: Sudán	SD	bandera
flag-suriname	Bandera: Surinam	SR	bandera
flag-svalbard-and-jan-mayen	Bandera: Svalbard y Jan Mayen	SJ	bandera
flag-sweden	Bandera: Suecia	SE	bandera
flag-switzerland	Bandera: Suiza	CH	bandera
flag-syria	Bandera: Siria	SY	bandera
flag-taiwan	Bandera: Taiwán	TW	bandera
flag-tajikistan	Bandera: Tayikistán	TJ	bandera
flag-tanzania	Bandera: Tanzania	TZ	bandera
flag-thailand	Bandera: Tailandia	TH	bandera
flag-timor-leste	Bandera: Timor-Leste	TL	bandera
flag-togo	Bandera: Togo	TG	bandera
flag-tokelau	Bandera: Tokelau	TK	bandera
flag-tonga	Bandera: Tonga	TO	bandera
flag-trinidad-and-tobago	Bandera: Trinidad y Tobago	TT	bandera
flag-tristan-da-cunha	Bandera: Tristán de Acuña	TA	bandera
flag-tunisia	Bandera: Túnez	TN	bandera
flag-turkiye	Bandera: Turquía	TR	bandera
flag-turkmenistan	Bandera: Turkmenistán	TM	bandera
flag-turks-and-caicos-islands	Bandera: Islas Turcas y Caicos	TC	bandera
flag-tuvalu	Bandera: Tuvalu	TV	bandera
flag-u-s-outlying-islands	Bandera: Islas menores alejadas de EE. UU.	UM	bandera
flag-u-s-virgin-islands	Bandera: Islas Vírgenes de EE. UU.	VI	bandera
flag-uganda	Bandera: Uganda	UG	bandera
flag-ukraine	Bandera: Ucrania	UA	bandera
flag-united-arab-emirates	Bandera: Emiratos Árabes Unidos	AE	bandera
flag-united-kingdom	Bandera: Reino Unido	GB	bandera
flag-united-nations	Bandera: Naciones Unidas	UN	bandera
flag-united-states	Bandera: Estados Unidos	US	bandera
flag-uruguay	Bandera: Uruguay	UY	bandera
flag-uzbekistan	Bandera: Uzbekistán	UZ	bandera
flag-vanuatu	Bandera: Vanuatu	VU	bandera
flag-vatican-city	Bandera: Ciudad del Vaticano	VA	bandera
flag-venezuela	Bandera: Venezuela	VE	bandera
flag-vietnam	Bandera: Vietnam	VN	bandera
flag-wales	Bandera: Gales	bandera	gbwls
flag-wallis-and-futuna	Bandera: Wallis y Futuna	WF	bandera
flag-western-sahara	Bandera: Sáhara Occidental	EH	bandera
flag-yemen	Bandera: Yemen	YE	bandera
flag-zambia	Bandera: Zambia	ZM	bandera
flag-zimbabwe	Bandera: Zimbabue	ZW	bandera
flamingo	flamenco	extravangante	ostentoso	tropical
flashlight	linterna	luz
flat-shoe	bailarina	calzado	zapato
flatbread	pan sin levadura	arepa	naan	pita	tortilla
fleur-de-lis	flor de lis	flor	lis
flexed-biceps	bíceps flexionado	bíceps	cómic	flexionado	fuerte	músculo
floppy-disk	disquete	disco	disco de 3 1/2
flower-playing-cards	cartas de flores	carta	flor	hanafuda	naipe japonés
flushed-face	cara sonrojada	cara	colorado	sonrojado
flute	flauta	flautín	instrumento	instrumento de viento madera	música
fly	mosca	basura	bicho	mal olor	podrido
flying-disc	disco volador	disco	frisbee
flying-saucer	platillo volante	ovni
fog	niebla	nube
foggy	bruma	niebla
folded-hands	manos en oración	gracias	mano	oración	orar	por favor	rezar
folding-hand-fan	abanico abierto	abanico	airear	bailar	calor	feria	flamenco
fondue	fondue	chocolate	olla	queso	suizo
foot	pie	patada	pisotón
footprints	huellas de pies	huellas	pies
fork-and-knife	tenedor y cuchillo	cuchillo	restaurante	tenedor
fork-and-knife-with-plate	cuchillo y tenedor con un plato	cuchillo	plato	restaurante	tenedor
fortune-cookie	galleta de la fortuna	adivinación	profecía	superstición
fountain	fuente
fountain-pen	estilográfica	bolígrafo	escribir	pluma	tinta
four-leaf-clover	trébol de cuatro hojas	suerte	trébol
four-oclock	4 en punto	4:00	cuatro	reloj
four-thirty	cuatro y media	4:30	reloj
fox	zorro	cara
framed-picture	cuadro enmarcado	marco	museo
free-button	botón FREE	gratis	símbolo gratis
french-fries	patatas fritas	papas fritas	patatas	restaurante
fried-shrimp	gamba frita	frito	gamba	restaurante
frog	rana	cara
front-facing-baby-chick	pollito de frente	ave	pollito	pollo
frowning-face	cara con el ceño fruncido	cara	ceño	fruncido
frowning-face-with-open-mouth	cara con el ceño fruncido y la boca abierta	boca abierta	cara	ceño fruncido con boca abierta
fuel-pump	surtidor de gasolina	bomba de gasolina	combustible	gasolina	surtidor
full-moon	luna llena	llena	luna	plenilunio
full-moon-face	luna llena con cara	cara	llena	luna
funeral-urn	urna funeraria	funeraria	muerte	urna
game-die	dado	juego
garlic	ajo	condimento	vampiro
gear	engranaje	herramienta
gem-stone	piedra preciosa	diamante	gema	joya	piedra	preciosa
gemini	Géminis	gemelos	zodiaco
genie	genio	lámpara
ghost	fantasma	cara	criatura	cuento	monstruo
ginger-root	raíz de jengibre	cerveza	especia	garganta	raíz
giraffe	jirafa	manchas
girl	niña	chica	joven
glass-of-milk	vaso de leche	bebida	leche	vaso
glasses	gafas	accesorios	ojo	ropa
globe-showing-americas	globo terráqueo mostrando América	américa	globo	mundo	planeta	tierra
globe-showing-asia-australia	globo terráqueo mostrando Asia y Australia	asia	australia	mundo	planeta	tierra
globe-showing-europe-africa	globo terráqueo mostrando Europa y África	europa	mundo	planeta	tierra	áfrica
globe-with-meridians	globo terráqueo con meridianos	globo	meridianos	mundo	tierra
gloves	guantes	mano
glowing-star	estrella brillante	brillante	estrella	resplandeciente
goal-net	portería	deporte	red
goat	cabra	capricornio	caprino	chivo	zodiaco
goblin	demonio japonés tengu	cara	cuento	fantasía	monstruo	tengu
goggles	gafas de protección	gafas	nadar	protección ocular	soldar
goose	oca	ave	ganso	graznar	pájaro
gorilla	gorila	primate	simio
graduation-cap	birrete	celebración	gorro	graduación
grapes	uvas	agracejo	fruta	racimo	uva
green-apple	manzana verde	fruta	manzana	poma	verde
green-book	libro verde	libro	verde
green-circle	círculo verde	círculo	verde
green-heart	corazón verde	corazón	emoción	verde
green-salad	ensalada	bol	comida	verde
green-square	cuadrado verde	cuadrado	verde
grey-heart	corazón gris	corazón	gris	pizarra	plata
grimacing-face	cara haciendo una mueca	cara	mueca
grinning-cat	gato sonriendo	cara	feliz	gato alegre	gato feliz	sonrisa
grinning-cat-with-smiling-eyes	gato sonriendo con ojos sonrientes	cara	gato	ojos	sonriente	sonrisa
grinning-face	cara sonriendo	cara	divertido	feliz	sonrisa
grinning-face-with-big-eyes	cara sonriendo con ojos grandes	cara	divertido	risa	sonriendo
grinning-face-with-smiling-eyes	cara sonriendo con ojos sonrientes	abierta	cara	ojo	sonrisa
grinning-face-with-sweat	cara sonriendo con sudor frío	cara	frío	risa	sudor
grinning-squinting-face	cara sonriendo con los ojos cerrados	abierta	boca	cara	risa
growing-heart	corazón creciente	corazón	creciente	emocionado	latido	nervioso
guard	guardia	guardia real británica
guide-dog	perro guía	accesibilidad	ciego	guía	invidente	lazarillo
guitar	guitarra	instrumento	instrumento musical	música
hair-pick	peineta	afro	peine	pelo
hamburger	hamburguesa	burger
hammer	martillo	herramienta
hammer-and-pick	martillo y pico	herramienta	martillo	pico
hammer-and-wrench	martillo y llave inglesa	herramienta	llave inglesa	martillo
hamsa	hamsa	amuleto	fátima	jamsa	mano	maría	miriam
hamster	hámster	cara	mascota
hand-with-fingers-splayed	mano abierta	abierta	dedo	mano
hand-with-index-finger-and-thumb-crossed	mano con dedo índice y pulgar cruzados	amor	caro	chasquido	corazón	dinero
handbag	bolso	accesorios	complementos
handshake	apretón de manos	acuerdo	apretón	manos
hatching-chick	pollito rompiendo el cascarón	ave	huevo	pollito	pollo
head-shaking-smiley	smiley negando con la cabeza	no
headphone	auricular	cascos
headstone	lápida	cementario	estela	sepulcro	tumba
health-worker	profesional sanitario	doctor	enfermero	médico	salud	terapeuta
hear-no-evil-monkey	mono con los oídos tapados	cara	mal	mono	prohibido
heart-decoration	adorno de corazón	corazón
heart-exclamation	exclamación de corazón	corazón	exclamación	puntuación
heart-hands	manos formando un corazón	amor
heart-on-fire	corazón en llamas	amor	corazón	fuego	llamas	lujuria	pasión
heart-suit	palo de corazones	carta	corazones	juego	palo
heart-with-arrow	corazón con flecha	amor	corazón	emoción	flecha
heart-with-ribbon	corazón con lazo	corazón	emoción	lazo	san valentín
heavy-dollar-sign	símbolo de dólar	dinero	dólar	símbolo
heavy-equals-sign	signo igual grueso	equivalencia	igualdad	matemáticas	mates
hedgehog	erizo	espinas	púas
helicopter	helicóptero	aspas	rotores	vehículo	volar
herb	hierba	hoja	verde
hibiscus	flor de hibisco	flor	hibisco
high-heeled-shoe	zapato de tacón	mujer	tacón	zapato
high-speed-train	tren de alta velocidad	ave	ferrocarril	rápido	tren	velocidad
high-voltage	alto voltaje	electricidad	peligro	peligro de alto voltaje	señal de alto voltaje	voltaje
hiking-boot	bota de senderismo	bota	camping	mochilero	senderismo
hindu-temple	templo hindú	hindú	templo
hippopotamus	hipopótamo	paquidermo
hole	agujero	orificio
hollow-red-circle	círculo rojo hueco	aro	círculo	o	rojo
honey-pot	tarro de miel	dulce	miel	tarro
honeybee	abeja	insecto	miel
hook	gancho	agarrar	anzuelo	atrapar	garfio
horizontal-traffic-light	semáforo horizontal	luz	señales de tráfico	tráfico
horse	caballo	caballo de carreras	carreras de caballos	ecuestre
horse-face	cara de caballo	caballo	cara
horse-racing	carrera de caballos	caballo	caballo de carreras	carreras	jinete
hospital	hospital	doctor	edificio	medicina	médico
hot-beverage	bebida caliente	bebida	café	caliente	té
hot-dog	perrito caliente	perrito	salchicha
hot-face	cara con calor	calor	cara roja	fiebre	golpe de calor	sudor
hot-pepper	chile picante	chile	picante	planta
hot-springs	aguas termales	termas	vapor
hotel	hotel	alojamiento	edificio	turismo
hourglass-done	reloj de arena sin tiempo	arena	reloj	temporizador
hourglass-not-done	reloj de arena con tiempo	reloj con arena cayendo	temporizador
house	casa	vivienda
house-with-garden	casa con jardín	casa	construcción	jardín	vivienda
houses	casas	edificio	urbanización
hundred-points	cien puntos	100	pleno	puntos
hushed-face	cara estupefacta	alucinado	cara	estupefacto	sorprendido
hut	cabaña	casa	yurta
hyacinth	campanilla	boca de dragón	flor	jacinto	lavanda	lila	lupino
ice	cubito de hielo	frío	iceberg
ice-cream	helado	postre	sorbete
ice-hockey	hockey sobre hielo	disco	hielo	hockey	palo
ice-skate	patín de hielo	hielo	patín
id-button	símbolo de identificación	id	identidad	símbolo identidad
identification-card	carné de identidad	carné de conducir	credenciales	identificación	permiso	seguridad
in-love-smiley	smiley enamorado	amor	corazón
inbox-tray	bandeja de entrada	bandeja	comunicación	correo	entrada	recibido
incoming-envelope	sobre entrante	carta	comunicación	correo	correo electrónico	sobre
index-pointing-at-the-viewer	dedo índice apuntándote a ti	apuntar	ti	tú
index-pointing-up	dedo índice hacia arriba	apuntar	arriba	dedo	mano
infinity	infinito	ilimitado	siempre	universal
information	información	i
input-latin-letters	alfabeto latino	abc	latino
input-latin-lowercase	letras latinas minúsculas	abcd	letras	minúsculas
input-latin-uppercase	letras latinas mayúsculas	abcd	letras	mayúsculas
input-numbers	números	1234	dígitos
input-symbols	símbolos	〒♪&%
jack-o-lantern	calabaza de Halloween	calabaza	celebración	halloween	linterna
japanese-acceptable-button	ideograma japonés para "aceptable"	aceptable	ideograma	japonés	kanji
japanese-application-button	ideograma japonés para "aplicación"	aplicación	ideograma	japonés	kanji
japanese-bargain-button	ideograma japonés para "ganga"	ganga	ideograma	japonés	kanji
japanese-castle	castillo japonés	castillo	construcción
japanese-congratulations-button	ideograma japonés para "enhorabuena"	enhorabuena	ideograma	japonés	kanji
japanese-discount-button	ideograma japonés para "descuento"	descuento	ideograma	japonés	kanji
japanese-dolls	muñecas japonesas	celebración	festival	hinamatsuri	muñecas
japanese-free-of-charge-button	ideograma japonés para "gratis"	gratis	ideograma	japonés	kanji
japanese-here-button	ideograma japonés para "aquí"	japonés	katakana	“aquí”
japanese-monthly-amount-button	ideograma japonés para "cantidad mensual"	ideograma	japonés	kanji	“cantidad mensual”
japanese-no-vacancy-button	ideograma japonés para "completo"	completo	ideograma	japonés	kanji	lleno
japanese-not-free-of-charge-button	ideograma japonés para "de pago"	ideograma	japonés	kanji	“de pago”
japanese-open-for-business-button	ideograma japonés para "abierto"	abierto	ideograma	japonés	kanji
japanese-passing-grade-button	ideograma japonés para "aprobado"	aprobado	ideograma	japonés	kanji
japanese-post-office	oficina de correos japonesa	correos	edificio	japón	oficina de correos
japanese-prohibited-button	ideograma japonés para "prohibido"	ideograma	japonés	kanji	prohibido
japanese-reserved-button	ideograma japonés para "reservado"	ideograma	japonés	kanji	reservado
japanese-secret-button	ideograma japonés para "secreto"	ideograma	japonés	kanji	secreto
japanese-service-charge-button	ideograma japonés para "de cortesía"	cortesía	japonés	katakana
japanese-symbol-for-beginner	símbolo japonés para principiante	amarillo	japonés	principiante	verde
japanese-vacancy-button	ideograma japonés para "vacante"	ideograma	japonés	kanji	vacante
jar	tarro	almacenar	condimento	frasco	recipiente	salsa	vacío
jeans	vaqueros	pantalones	ropa
jellyfish	medusa	invertebrado	marino	picadura	picar
joker	comodín	joker
joystick	joystick	juego	mando	palanca	videojuego
judge	fiscal	juez	juicio	magistrado
kaaba	Kaaba	islam	religión
kangaroo	canguro	marsupial	saltar	salto
key	llave	contraseña
keyboard	teclado	ordenador
keycap-0	Teclas: 0	teclas
keycap-1	Teclas: 1	teclas
keycap-10	Teclas: 10	teclas
keycap-2	Teclas: 2	teclas
keycap-3	Teclas: 3	teclas
keycap-4	Teclas: 4	teclas
keycap-5	Teclas: 5	teclas
keycap-6	Teclas: 6	teclas
keycap-7	Teclas: 7	teclas
keycap-8	Teclas: 8	teclas
keycap-9	Teclas: 9	teclas
keycap-asterisk	Teclas: *	teclas
keycap-number-sign	Teclas: #	teclas
khanda	khanda	religión	sij	sijismo	sikh
kick-scooter	patinete
kimono	kimono	japonés	ropa
kiss	beso	personas	romance
kiss-man-man	beso: hombre y hombre	beso	hombre	personas	romance
kiss-mark	marca de beso	beso	labios	romance
kiss-woman-man	beso: mujer y hombre	beso	hombre	mujer	personas	romance
kiss-woman-woman	beso: mujer y mujer	beso	mujer	personas	romance
kissing-cat	gato besando	beso	cara	cariñoso	gato
kissing-face	cara besando	beso	cara
kissing-face-with-closed-eyes	cara besando con los ojos cerrados	beso	cara	cerrado	ojo
kissing-face-with-smiling-eyes	cara besando con ojos sonrientes	beso	cara	ojo	sonrisa
kitchen-knife	cuchillo de cocina	arma	cocinar	cuchillo
kite	cometa	juguete	planear	viento	volar
kiwi-fruit	kiwi	comida	fruta
knot	nudo	anudar	atar	enredar	trenzar
koala	koala	cara	marsupial
lab-coat	bata de laboratorio	científico	doctor	experimento	médico
label	etiqueta
lacrosse	lacrosse	bola	palo	pelota	raqueta
ladder	escalera	escalar	escalerilla	escalón	peldaño
lady-beetle	mariquita	cochinilla	insecto
laptop	ordenador portátil	ordenador	pc	personal
large-blue-diamond	rombo azul grande	azul	geometría	rombo
large-orange-diamond	rombo naranja grande	geometría	naranja	rombo
last-quarter-moon	luna en cuarto menguante	cuarto	luna	menguante
last-quarter-moon-face	luna de cuarto menguante con cara	cara	creciente	cuarto	espacio	luna
last-track-button	pista anterior	atrás	escena anterior	triángulo
latin-cross	cruz latina	cristianismo	cruz	religión
laughing-smiley	smiley riendo	reír
leaf-fluttering-in-wind	hojas revoloteando al viento	hoja	revolotear	soplar	viento
leafy-green	verdura de hoja verde	bok choy	col	kale	lechuga	pak choi
ledger	libro de contabilidad	cuaderno
left-arrow	flecha hacia la izquierda	flecha	izquierda	oeste
left-arrow-curving-right	flecha izquierda curvándose a la derecha	curva	derecha	dirección	flecha
left-facing-fist	puño hacia la izquierda	izquierda	puño
left-luggage	consigna	depósito	equipaje	servicio de equipaje en depósito
left-right-arrow	flecha izquierda y derecha	derecha	dirección	flecha	izquierda
left-speech-bubble	bocadillo de diálogo por la izquierda	bocadillo	burbuja	conversación	diálogo
leftwards-hand	mano hacia la izquierda	a la izquierda	izquierda	mano
leftwards-pushing-hand	mano empujando hacia la izquierda	a la izquierda	choca esos cinco	detener	empujar	rechazar	stop
leg	pierna	extremidad	patada
lemon	limón	citrón	cítrico	fruta
leo	Leo	león	zodiaco
leopard	leopardo	felino
level-slider	control de volumen	control	fader	volumen
libra	Libra	balanza	escala	justicia	zodiaco
light-blue-heart	corazón azul claro	azul	celeste	cián	claro	corazón
light-bulb	bombilla	cómic	electricidad	idea	luz
light-rail	tren ligero	ferrocarril	transporte	tren
link	eslabón
linked-paperclips	clips unidos	clips	unidos	unión
lion	león	cara	leo	zodiaco
lipstick	pintalabios	barra	cosmética	labios	maquillaje
litter-in-bin-sign	señal de usar papelera	basura	papelera	señal	tirar la basura en la papelera
lizard	lagarto	lagartija	reptil
llama	llama	alpaca	guanaco	lana	vicuña
lobster	bogavante	langosta	marisco	pinzas
locked	candado cerrado	candado	cerrado	cerrar
locked-with-key	candado cerrado y llave	candado	cerrado	llave	seguro
locked-with-pen	candado con pluma estilográfica	candado	cerrado	estilográfica	pluma	privacidad
locomotive	locomotora de vapor	locomotora	tren	vehículo
lollipop	piruleta	chuche	chuchería	dulce	golosina
long-drum	tamboril	conga	ritmo	tambor
lotion-bottle	bote de crema	champú	crema	hidratante	protector solar
lotus	loto	budismo	flor	hinduismo	pureza
loudly-crying-face	cara llorando fuerte	cara	llorar	lágrima	triste
loudspeaker	altavoz de mano	altavoz	comunicación
love-hotel	hotel del amor	amor	edificio	hotel
love-letter	carta de amor	amor	carta	corazón	correo
love-you-gesture	gesto de te quiero	mano	quiero
low-battery	batería baja	batería	carga baja	electrónico	energía baja	pila
luggage	equipaje	maleta	viajar
lungs	pulmones	exhalar	inhalar	respiración	respirar	órgano
lying-face	cara de mentiroso	cara	mentiroso	nariz	pinocho
mage	persona maga	bruja	brujo	hechicera	hechicero
magic-wand	varita mágica	bruja	hechicero	magia	mago	prestidigitación	varita
magnet	imán	atracción	herradura	magnético
magnifying-glass-tilted-left	lupa orientada hacia la izquierda	buscar	lupa
magnifying-glass-tilted-right	lupa orientada hacia la derecha	buscar	lupa
mahjong-red-dragon	dragón rojo de mahjong	dragón rojo	juego	mahjong
male-sign	signo masculino	hombre	signo	símbolo
mammoth	mamut	colmillo	extinguido	lanudo
man	hombre	adulto
man-artist	artista hombre	hombre	paleta	pintor	pinturas
man-astronaut	astronauta hombre	astronauta	cohete	espacio	hombre
man-bald	hombre: sin pelo	adulto	hombre	sin pelo
man-beard	hombre: barba	barba	hombre
man-biking	hombre en bicicleta	bicicleta	ciclismo	ciclista	hombre
man-blond-hair	hombre rubio	hombre	rubiales	rubio
man-bouncing-ball	hombre botando un balón	balón	botar	hombre	pelota
man-bowing	hombre haciendo una reverencia	disculpa	gesto	perdón	reverencia
man-cartwheeling	hombre dando una voltereta lateral	deporte	gimnasia	hombre	rueda	voltereta
man-climbing	hombre escalando	alpinista	escalador
man-construction-worker	profesional de la construcción hombre	albañil	construcción	hombre	obrero	trabajador
man-cook	chef hombre	chef	cocinero	hombre	pinche
man-curly-hair	hombre: pelo rizado	adulto	hombre	pelo rizado
man-dancing	hombre bailando	bailar	hombre
man-detective	detective hombre	agente	detective	espía	hombre	investigador
man-elf	elfo hombre	elfo	mágico
man-facepalming	hombre con la mano en la frente	facepalm	frente	incredulidad	mano
man-factory-worker	profesional industrial hombre	fábrica	montaje	obrero	operario	trabajador
man-fairy	hada hombre	hada	oberón	puck
man-farmer	profesional de la agricultura hombre	agricultor	campo	granjero	hombre	labrador
man-feeding-baby	hombre alimentando a bebé	alimentar	amamantar	bebé	hombre	lactancia
man-firefighter	bombero hombre	apagafuegos	bombero	camión	manguera
man-frowning	hombre frunciendo el ceño	ceño	fruncido	gesto	hombre
man-genie	genio hombre	djinn	genio	lámpara
man-gesturing-no	hombre haciendo el gesto de "no"	gesto	hombre	mano	prohibido
man-gesturing-ok	hombre haciendo el gesto de "de acuerdo"	gesto	mano	ok	vale
man-getting-haircut	hombre cortándose el pelo	belleza	corte	pelo	peluquero
man-getting-massage	hombre recibiendo masaje	cara	facial	masaje	salón
man-golfing	hombre jugando al golf	golf	hombre	jugador
man-guard	guardia hombre	guardia	hombre	vigilante
man-health-worker	profesional sanitario hombre	doctor	enfermero	médico	sanitario	terapeuta hombre
man-in-lotus-position	hombre en posición de loto	meditación	yoga
man-in-manual-wheelchair	hombre en silla de ruedas manual	accesibilidad	hombre	silla de ruedas
man-in-motorized-wheelchair	hombre en silla de ruedas eléctrica	accesibilidad	hombre	silla de ruedas
man-in-steamy-room	hombre en una sauna	sauna	vapor
man-in-tuxedo	hombre con esmoquin	esmoquin	hombre
man-judge	fiscal hombre	hombre	juez	justicia	magistrado
man-juggling	hombre haciendo malabares	hombre	malabares	malabarismo	malabarista
man-kneeling	hombre de rodillas	arrodillado	arrodillarse	de rodillas	hombre
man-lifting-weights	hombre levantando pesas	halterofilia	hombre	levantador de pesas	pesas
man-mage	mago	brujo	hechicero
man-mechanic	profesional de la mecánica hombre	electricista	fontanero	hombre	mecánico	operario
man-mountain-biking	hombre en bicicleta de montaña	bicicleta	ciclista	montaña	mountain bike
man-office-worker	oficinista hombre	director	ejecutivo	empresa	hombre	oficina	oficinista
man-pilot	piloto hombre	avión	capitán	hombre	piloto	vuelo
man-playing-handball	hombre jugando al balonmano	balonmanista	balonmano	deporte	hombre
man-playing-water-polo	hombre jugando al waterpolo	agua	deporte	waterpolista	waterpolo
man-police-officer	agente de policía hombre	agente	hombre	poli	policía
man-pouting	hombre haciendo pucheros	gesto	hombre	pucheros
man-raising-hand	hombre con la mano levantada	gesto	hombre	levantar	mano
man-red-hair	hombre: pelo pelirrojo	adulto	hombre	pelo pelirrojo
man-rowing-boat	hombre remando en un bote	barca	bote	hombre	remo
man-running	hombre corriendo	carrera	correr	hombre	maratón
man-scientist	profesional de la ciencia hombre	biólogo	científico	físico	hombre	químico
man-shrugging	hombre encogido de hombros	duda	encogerse	hombros	indiferencia
man-singer	cantante hombre	artista	estrella	hombre	rock
man-standing	hombre de pie	de pie	hombre	levantado	levantarse
man-student	estudiante hombre	estudiante	graduado	hombre	licenciado	universitario
man-superhero	superhéroe	bueno	hombre	héroe	superhombre	superpoder
man-supervillain	supervillano	hombre	mal	malvado	villano
man-surfing	hombre haciendo surf	hombre	surf	surfero	surfista
man-swimming	hombre nadando	hombre	nadar
man-teacher	docente hombre	educador	hombre	instructor	maestro	profesor
man-technologist	profesional de la tecnología hombre	desarrollador	hombre	informático	programador	tecnólogo
man-tipping-hand	empleado de mostrador de información	hombre	información	mano	mostrador
man-vampire	vampiro hombre	drácula	muerto viviente	no muerto
man-walking	hombre caminando	andar	caminata	hombre	marcha
man-wearing-turban	hombre con turbante	hombre	turbante
man-white-hair	hombre: pelo blanco	adulto	hombre	pelo blanco
man-with-veil	hombre con velo	boda	hombre	novio	velo
man-with-white-cane	hombre con bastón	accesibilidad	bastón	ciego	hombre	invidente
man-zombie	zombi hombre	caminante	muerto viviente	no muerto
mango	mango	fruta	tropical
mans-shoe	zapato de hombre	calzado	hombre	ropa	zapato
mantelpiece-clock	reloj de sobremesa	reloj	sobremesa
manual-wheelchair	silla de ruedas manual	accesibilidad
map-of-japan	mapa de Japón	japón	mapa
maple-leaf	hoja de arce	arce	hoja
maracas	maracas	agitar	brasil	instrumento	movimiento	música	percusión
martial-arts-uniform	uniforme de artes marciales	artes marciales	judo	kárate	taekwondo
mate	mate	bebida	infusión
meat-on-bone	carne con hueso	carne	hueso	restaurante
mechanic	profesional de la mecánica	electricista	fontanero	mecánico	operario	técnico
mechanical-arm	brazo mecánico	accesibilidad	ortopedia	prótesis
mechanical-leg	pierna mecánica	accesibilidad	ortopedia	prótesis
medical-symbol	símbolo de medicina	asclepio	esculapio	medicina	serpiente
megaphone	megáfono	comunicación
melon	melón	fruta
melting-face	cara derritiéndose	calor	derretido	derretirse	desaparecer	fundirse	líquido
memo	cuaderno de notas	comunicación
men-holding-hands	hombres de la mano	gays	hombres	novios	pareja
men-with-bunny-ears	hombres con orejas de conejo	bailar	fiesta	hombre	orejas de conejo
men-wrestling	hombres luchando	deporte	hombre	lucha	luchador
mending-heart	corazón vendado	bien	curarse	mejor	mejorar	recuperación	salud
menorah	menorá	candelabro	religión
mens-room	aseo para hombres	aseo de caballeros	baño	servicio	señal	señal con un hombre
mermaid	sirena
merman	sirena hombre	sirena	tritón
merperson	persona sirena	sirena	tritón
metro	metro	subterráneo	suburbano	transporte
microbe	microbio	ameba	bacteria	germen	virus
microphone	micrófono	entretenimiento	karaoke	micro
microscope	microscopio	instrumento	laboratorio
middle-finger	dedo corazón hacia arriba	corazón	dedo	mano	peineta
military-helmet	casco militar	casco	ejército	guerra	guerrero	soldado
military-medal	medalla militar	celebración	medalla	militar
milky-way	Vía Láctea	espacio	galaxia
minibus	minibús	autobús	bus	transporte
minus	menos	-	resta	signo	−
mirror	espejo	espéculo	reflector	reflejo
mirror-ball	bola de espejos	bailar	brillar	disco	discoteca	fiesta
moai	estatua moái	estatua	moái	pascua
mobile-phone	teléfono móvil	celular	móvil	teléfono
mobile-phone-off	teléfono móvil apagado	apagado	móvil	teléfono	teléfono celular
mobile-phone-with-arrow	móvil con una flecha	flecha	llamada	móvil	recibir	teléfono
money-bag	bolsa de dinero	bolsa	bolsa de dólares	dinero
money-mouth-face	cara con lengua de dinero	boca	cara	dinero
money-with-wings	billete con alas	billete	billete de banco	dinero	dinero con alas
monkey	mono	macaco	simio
monkey-face	cara de mono	cara	mono
monorail	monorraíl	ferrocarril	monocarril	transporte	tren
moon-cake	pastel de luna	festival	luna	otoño	yuebing
moon-viewing-ceremony	ceremonia de contemplación de la luna	celebración	contemplación	luna	tsukimi
moose	alce	animal	asta	ciervo canadiense	cuernos	mamífero	uapití
mosque	mezquita	islam	religión
mosquito	mosquito	fiebre	insecto	malaria	virus
motor-boat	barco a motor	barco	motor	vehículo
motor-scooter	scooter	escúter	moto
motorcycle	moto	carreras	motocicleta	vehículo
motorized-wheelchair	silla de ruedas eléctrica	accesibilidad
motorway	autopista	carretera
mount-fuji	monte Fuji	montaña
mountain	montaña	monte
mountain-cableway	teleférico de montaña	cable	funicular	montaña	teleférico	vehículo
mountain-railway	ferrocarril de montaña	ferrocarril	montaña	vehículo
mouse	ratón	roedor
mouse-face	cara de ratón	cara	ratón
mouse-trap	trampa de ratones	cebo	cepo	engañar	ratonera	ratón	trampa
mouth	boca	labios
movie-camera	cámara de cine	cine	cámara	entretenimiento	película
mrs-claus	Mamá Noel	abuela	mamá	navidad	noel
multiply	multiplicación	cancelar	marca	prohibido	signo de multiplicación	x	×
mushroom	champiñón	hongo	seta
musical-keyboard	teclado musical	instrumento	instrumento musical	música	piano	teclado
musical-note	nota musical	música	nota
musical-notes	notas musicales	música	notas
musical-score	pentagrama	música	partitura
muted-speaker	altavoz silenciado	altavoz	altavoz con marca de cancelación	mute	silencio
mx-claus	Noel	navidad
nail-polish	pintarse las uñas	cosmética	esmalte	manicura	uñas
name-badge	etiqueta identificativa	etiqueta	nombre
national-park	parque nacional	nacional	parque
nauseated-face	cara de náuseas	cara	náuseas	vomitar
nazar-amulet	ojo turco	amuleto	mal de ojo	nazar	talismán
necktie	corbata	accesorio	ropa
nerd-face	cara de empollón	cara	empollón	friki	friqui
nest-with-eggs	nido con huevos	anidación	anidamiento	anidar
nesting-dolls	muñeca rusa	babushka	mamushka	matrioska	rusia
neutral-face	cara neutral	cara	inexpresivo	neutral
new-button	botón NEW	botón	new	nuevo
new-moon	luna nueva	luna	oscuridad
new-moon-face	luna nueva con cara	cara	espacio	luna
newspaper	periódico	diario
next-track-button	pista siguiente	raya vertical	siguiente	triángulos
ng-button	botón NG	botón	ng	nuevo
night-with-stars	noche estrellada	estrellas	noche
nine-oclock	9 en punto	9:00	nueve	reloj
nine-thirty	nueve y media	9:30	reloj
ninja	ninja	furtivo	guerrero	luchador	oculto	sigilo
no-bicycles	bicicletas prohibidas	bicicleta	prohibido	vehículo
no-entry	dirección prohibida	no	prohibido	señal	señal de dirección prohibida
no-littering	prohibido tirar basura	basura	prohibido	señal	señal de no tirar basura
no-mobile-phones	prohibido el uso de móviles	móvil	no hacer llamadas	prohibido	teléfono
no-one-under-eighteen	prohibido para menos de 18 años	18	no apto para menores	prohibido	prohibido para menores de 18 años
no-pedestrians	prohibido el paso de peatones	peatones	peatón	prohibido	señal
no-smoking	prohibido fumar	fumar	no	prohibido	señal
nodding-smiley	smiley asintiendo	sí
non-potable-water	agua no potable	agua	no potable
nose	nariz	cuerpo
notebook	cuaderno	libreta
notebook-with-decorative-cover	cuaderno con tapa decorativa	cuaderno	decoración	tapa
nut-and-bolt	tornillo y tuerca	herramienta	tornillo	tuerca
o-button-blood-type	grupo sanguíneo tipo O	grupo sanguíneo	o
octopus	pulpo	cefalópodo	octópodo
oden	brocheta	japonés	marisco	oden	pincho
office-building	edificio de oficinas	construcción	edificio	oficinas
office-worker	oficinista	arquitecto	director	ejecutivo	empresa
ogre	demonio japonés oni	cara	cuento	cuernos	sonrisa
oil-drum	barril de petróleo	barril	bidón	petróleo
ok-button	botón OK	botón	ok
ok-hand	señal de aprobación con la mano	aprobación	mano	ok
old-key	llave antigua	antigua	llave
old-man	anciano	hombre	mayor
old-woman	anciana	mayor	mujer
older-person	persona mayor	adulto	género neutro	género no especificado	maduro	mayor
olive	aceituna	aperitivo	comida	oliva
om	om	hindú	religión
on-arrow	flecha ON!	flecha	flecha de doble punta con la palabra "on" encima	on	señal
oncoming-automobile	coche próximo	automóvil	coche	próximo	vehículo
oncoming-bus	autobús próximo	autobús	próximo	vehículo
oncoming-fist	puño cerrado	puñetazo	puño
oncoming-police-car	coche de policía próximo	coche patrulla	policía	próximo	vehículo
oncoming-taxi	taxi próximo	taxi	vehículo
one-oclock	1 en punto	1:00	reloj	una
one-piece-swimsuit	traje de baño de una pieza	bañador
one-thirty	una y media	1:30	reloj
onion	cebolla	condimento	llorar
open-book	libro abierto	abierto	libro
open-file-folder	carpeta de archivos abierta	abierta	archivo	carpeta
open-hands	manos abiertas	abiertas	manos
open-mailbox-with-lowered-flag	buzón abierto con la bandera bajada	bandera	buzón	buzón abierto	vacío
open-mailbox-with-raised-flag	buzón abierto con la bandera levantada	bandera	buzón	buzón abierto	con contenido
ophiuchus	Ofiuco	serpiente	zodiaco
optical-disk	disco óptico	cd	disco
orange-book	libro naranja	libro	naranja
orange-circle	círculo naranja	círculo	naranja
orange-heart	corazón naranja	corazón	emoción	naranja
orange-square	cuadrado naranja	cuadrado	naranja
orangutan	orangután	mono	primate	simio
orthodox-cross	cruz ortodoxa	cruz	religión
otter	nutria	bromista	juguetón	pesca
outbox-tray	bandeja de salida	bandeja	comunicación	correo	enviado	salida
owl	búho	ave	lechuza	pájaro
ox	buey	cabestro	tauro	zodiaco
oyster	ostra	buceo	perla
p-button	aparcamiento	p	parking
package	paquete	caja
page-facing-up	página hacia arriba	anverso	documento	página
page-with-curl	página doblada	documento	página
pager	busca	comunicación	localizador
paintbrush	pincel	pintar
palm-down-hand	mano con la palma hacia abajo	bajar	descartar	fuera	no	quita	rechazar
palm-tree	palmera	árbol	árbol de palma
palm-up-hand	mano con la palma hacia arriba	acércate	dame	ofrecer	trae	ven
palms-up-together	palmas hacia arriba juntas	oración
pancakes	tortitas	comida	dulce	pancakes	postre	tortita
panda	panda	cara	oso panda
paperclip	clip
parachute	paracaídas	ala delta	paracaidismo	paravela	volar
parrot	loro	ave	hablar	papagayo	pirata
part-alternation-mark	marca de alternancia	alternancia	marca
party-popper	cañón de confeti	celebración	confeti	fiesta	felicidades	enhorabuena
partying-face	cara de fiesta	capirote	celebración	fiesta	gorro	matasuegras
passenger-ship	barco de pasajeros	barco	pasajeros	vehículo
passport-control	control de pasaportes	control	pasaportes
pause-button	pausa	barras	botón	vertical
paw-prints	huellas de pezuñas	huellas	pezuñas
pea-pod	vaina	edamame	guisante	judías	legumbre	soja	verdura
peace-symbol	símbolo de la paz	paz
peach	melocotón	durazno	fruta
peacock	pavo real	ave	orgulloso	pavo	plumas
peanuts	cacahuetes	cacahuete	comida	fruto seco	verdura
pear	pera	fruta	perilla
pen	bolígrafo	boli	escribir
pencil	lápiz	escolar	escribir	lapicero
penguin	pingüino	ave
pensive-face	cara desanimada	alicaído	cara	desanimado	pensativo
people-holding-hands	dos personas de la mano	mano	pareja	persona
people-hugging	personas abrazándose	abrazo	adiós	despedida	gracias	saludo
people-with-bunny-ears	personas con orejas de conejo	bailar	fiesta	orejas de conejo	personas
people-wrestling	personas luchando	lucha	luchador
performing-arts	máscaras de teatro	actuación	arte	artes escénicas	entretenimiento
persevering-face	cara desesperada	cara	desesperación	frustración
person	persona adulta	género	neutro
person-bald	persona adulta: sin pelo	género	neutro	persona adulta	sin pelo
person-beard	persona con barba	barbas	barbudo	persona
person-biking	persona en bicicleta	bicicleta	ciclismo	ciclista
person-blond-hair	persona adulta rubia	rubia	rubias	rubio	rubios
person-bouncing-ball	persona botando un balón	balón	botar	pelota
person-bowing	persona haciendo una reverencia	disculpa	gesto	perdón	reverencia
person-cartwheeling	persona haciendo voltereta lateral	acrobacia	gimnasia	pirueta	rueda	voltereta
person-climbing	persona escalando	alpinista	escalador
person-curly-hair	persona adulta: pelo rizado	género	neutro	pelo rizado	persona adulta
person-facepalming	persona con la mano en la frente	facepalm	frente	incredulidad	mano
person-feeding-baby	persona alimentando a bebé	alimentar	amamantar	bebé	lactancia	persona
person-fencing	persona haciendo esgrima	esgrima	esgrimista	espada
person-frowning	persona frunciendo el ceño	ceño	fruncido	gesto	persona
person-gesturing-no	persona haciendo el gesto de "no"	gesto	mano	no	prohibido
person-gesturing-ok	persona haciendo el gesto de "de acuerdo"	gesto	mano	ok	vale
person-getting-haircut	persona cortándose el pelo	belleza	corte	pelo	peluquero
person-getting-massage	persona recibiendo masaje	cara	facial	masaje	salón
person-golfing	persona jugando al golf	golf	golfista	pelota
person-in-bed	persona en la cama	dormir	hotel
person-in-lotus-position	persona en posición de loto	meditación	yoga
person-in-manual-wheelchair	persona en silla de ruedas manual	accesibilidad	silla de ruedas
person-in-motorized-wheelchair	persona en silla de ruedas eléctrica	accesibilidad	silla de ruedas
person-in-steamy-room	persona en una sauna	sauna	vapor
person-in-suit-levitating	persona trajeada levitando	levitar	negocios	persona	traje
person-in-tuxedo	persona con esmoquin	esmoquin	novio	persona
person-juggling	persona haciendo malabares	equilibrio	malabares	malabarismo	malabarista
person-kneeling	persona de rodillas	arrodillada	arrodillado	arrodillarse	de rodillas
person-lifting-weights	persona levantando pesas	halterofilia	levantador	pesas	peso
person-mountain-biking	persona en bicicleta de montaña	bicicleta	ciclista	montaña	mountain bike
person-playing-handball	persona jugando al balonmano	balonmanista	balonmano
person-playing-water-polo	persona jugando al waterpolo	waterpolista	waterpolo
person-pouting	persona haciendo pucheros	gesto	persona	pucheros
person-raising-hand	persona con la mano levantada	feliz	gesto	levantar	mano
person-red-hair	persona adulta: pelo pelirrojo	género	neutro	pelo pelirrojo	persona adulta
person-rowing-boat	persona remando en un bote	barca	bote	remo
person-running	persona corriendo	carrera	deporte	maratón
person-shrugging	persona encogida de hombros	duda	encogerse	hombros	indiferencia
person-standing	persona de pie	de pie	levantada	levantado	levantarse
person-surfing	persona haciendo surf	surf	surfear
person-swimming	persona nadando	nadar	natación
person-taking-bath	persona en la bañera	bañera	baño	persona
person-tipping-hand	persona de mostrador de información	información	mano	mostrador	persona
person-walking	persona caminando	andar	caminando	caminar
person-wearing-turban	persona con turbante	turbante
person-white-hair	persona adulta: pelo blanco	género	neutro	pelo blanco	persona adulta
person-with-crown	persona con corona	majestad	monarca	monarquía	noble	real	realeza
person-with-skullcap	persona con gorro chino	gorro	gua	gua pi mao	mao	persona
person-with-veil	persona con velo	boda	novia	persona	velo
person-with-white-cane	persona con bastón	accesibilidad	ciego	invidente
petri-dish	placa de petri	bacterias	biología	biólogo	cultivo	laboratorio
pick	pico	herramienta	mina
pickup-truck	camioneta	pickup	ranchera
pie	pastel	masa	relleno
pig	cerdo	cochino	gorrino	puerco
pig-face	cara de cerdo	cara	cerdo	gorrino
pig-nose	nariz de cerdo	cara	cerdo	morro	nariz
pile-of-poo	caca con ojos	caca	cómic	mierda	mojón
pill	píldora	comprimido	medicina	médico	pastilla
pilot	piloto	avión	capitán	vuelo
pinata	piñata	caballito	celebración	fiesta
pinched-fingers	dedos juntos apuntando hacia arriba	dedos	gesto	italia	italiano	mano	sarcasmo
pinching-hand	mano pellizcando	pellizco	poco	poquito
pine-decoration	decoración de pino	año nuevo japonés	bambú	celebración	decoración	kadomatsu
pineapple	piña	ananás	fruta
ping-pong	tenis de mesa	juego	mesa	pelota	ping pong
pink-heart	corazón rosa	amor	bonito	corazón	gustar	rosa
pirate-flag	bandera pirata	botín	jolly roger	pirata	tesoro
pisces	Piscis	pescado	pez	zodiaco
pizza	pizza	porción	restaurante
placard	letrero	anuncio	aviso	cartel	pancarta	poste
place-of-worship	lugar de culto	culto	religión
play-button	reproducir	botón de reproducción	flecha	triángulo
play-or-pause-button	reproducir o pausa	pausa	reproducir	triángulo
playground-slide	tobogán	jugar	parque	parque de atracciones
pleading-face	cara suplicante	implorar	ojos adorables	piedad	por favor
plunger	desatascador	fontanero	retrete	servicio	succión
plus	más	+	signo	suma
polar-bear	oso polar	blanco	oso	polar	ártico
police-car	coche de policía	coche patrulla	policía	vehículo
police-car-light	luces de policía	coche de policía	luces	policía
police-officer	agente de policía	agente	personas	policía
poodle	caniche	perrito	perro
pool-8-ball	bola negra de billar	8	billar	bola ocho	juego
popcorn	palomitas	maíz
post-office	oficina de correos europea	correos	edificio	europa	oficina de correos
postal-horn	corneta de posta	corneta	posta
postbox	buzón	cartas	correo
pot-of-food	olla de comida	comida de olla	puchero	restaurante
potable-water	agua potable	agua	potable
potato	patata	comida	papa	verdura
potted-plant	planta de maceta	crecer	maceta	planta	tiesto
poultry-leg	muslo de pollo	muslo	pollo	restaurante
pound-banknote	billete de libra	billete de banco	dinero	libra
pouring-liquid	líquido derramándose	bebida	derramar	vacío	vaso	verter
pouting-cat	gato enfadado	cara	enfadado	gato
prayer-beads	rosario	collar	cuentas	religión
pregnant-man	hombre embarazado	barriga	embarazado	hinchado	hinchazón	inflado	lleno
pregnant-person	persona embarazada	barriga	embarazo	gestación	hinchazón
pregnant-woman	mujer embarazada	embarazada	mujer
pretzel	bretzel	galleta salada	pretzel
prince	príncipe	corona
princess	princesa	cuento	fantasía	hadas
printer	impresora	ordenador
prohibited	prohibido	entrar	no	pasar	prohibición
purple-circle	círculo morado	círculo	lila	morado	púrpura
purple-heart	corazón morado	corazón	emoción	morado
purple-square	cuadrado morado	cuadrado	lila	morado	púrpura
purse	monedero	accesorios	cartera	complementos
pushpin	chincheta	tachuela
puzzle-piece	pieza de puzle	conectar	pieza	pista	puzle	rompecabezas
rabbit	conejo	conejito	gazapo
rabbit-face	cara de conejo	cara	conejo	mascota
raccoon	mapache	astuto	curioso	ladino	maquillaje	ojeras
racing-car	coche de carreras	carreras	coche
radio	radio
radio-button	botón de opción	botón	opción
radioactive	radiactivo	radiactividad	radioactividad	radioactivo	señal
railway-car	vagón	ferrocarril	tranvía	tren eléctrico	vehículo
railway-track	vía de tren	tren	vía
rainbow	arcoíris	colores	lluvia
rainbow-flag	bandera del arcoíris	arcoíris	bandera
raised-back-of-hand	dorso de la mano	dorso	levantado	mano
raised-fist	puño en alto	cerrado	mano	puñetazo	puño
raised-hand	mano levantada	choca esos cinco	levantada	mano
raising-hands	manos levantadas celebrando	celebración	gesto	hurra	mano
ram	carnero	aries	morueco	zodiaco
rat	rata	roedor
razor	cuchilla de afeitar	afeitado	afeitar	afilado	barbero	navaja
receipt	recibo	contabilidad	prueba	teneduría de libros	testimonio
record-button	grabar	botón	círculo
recycling-symbol	símbolo de reciclaje	reciclaje	reciclar	señal	símbolo universal de reciclaje sólido	universal
red-apple	manzana roja	fruta	manzana	poma	roja
red-circle	círculo rojo	círculo	geometría	rojo
red-envelope	sobre rojo	buena suerte	hóngbāo	lai see	regalo
red-exclamation-mark	exclamación roja	!	exclamación	puntuación	signo de exclamación
red-heart	corazón rojo	corazón	emoción	rojo	amor
red-paper-lantern	lámpara japonesa	izakaya	linterna izakaya	linterna japonesa	lámpara roja	restaurante
red-question-mark	interrogación roja	?	interrogación	pregunta	puntuación	signo de interrogación
red-square	cuadrado rojo	cuadrado	rojo
red-triangle-pointed-down	triángulo rojo hacia abajo	geometría	rojo	triángulo	triángulo hacia abajo rojo
red-triangle-pointed-up	triángulo rojo hacia arriba	geometría	rojo	triángulo	triángulo hacia arriba rojo
registered	marca registrada	r	símbolo de marca registrada
relieved-face	cara de alivio	aliviado	cara
reminder-ribbon	lazo conmemorativo	conmemorativo	lazo
repeat-button	repetir	flechas	repetición
repeat-single-button	repetir una vez	flechas	repetición	uno
rescue-workers-helmet	casco con una cruz blanca	ayuda	cara	casco	cruz
restroom	señal de aseos	aseos	servicios	wc
reverse-button	retroceso	izquierda	triángulo
revolving-hearts	corazones giratorios	corazón	giratorio
rhinoceros	rinoceronte	paquidermo
ribbon	lazo	celebración
rice-ball	bola de arroz	arroz	japonés	onigiri	restaurante
rice-cracker	galleta de arroz	arroz	galleta
right-anger-bubble	bocadillo de enfado por la derecha	bocadillo	cabreo	enfado	rabia
right-arrow	flecha hacia la derecha	derecha	dirección	este	flecha
right-arrow-curving-down	flecha derecha curvándose hacia abajo	abajo	curva	dirección	flecha
right-arrow-curving-left	flecha derecha curvándose a la izquierda	curva	dirección	flecha	izquierda
right-arrow-curving-up	flecha derecha curvándose hacia arriba	arriba	curva	dirección	flecha
right-facing-fist	puño hacia la derecha	derecha	puño
rightwards-hand	mano hacia la derecha	a la derecha	derecha	mano
rightwards-pushing-hand	mano empujando hacia la derecha	a la derecha	choca esos cinco	detener	empujar	rechazar	stop
ring	anillo	diamante
ring-buoy	salvavidas	flotador	rescate	seguridad	socorrista
ringed-planet	planeta con anillos	saturnino	saturno
roasted-sweet-potato	patata asada	asada	papa asada	patata	restaurante
robot	robot	cara	monstruo
rock	piedra	pedrusco	peña	peñasco	roca
rocket	cohete	espacio	vehículo
roll-of-paper	rollo de papel	papel absorbente	papel higiénico
rolled-up-newspaper	periódico enrollado	noticias	papel	periódico
roller-coaster	montaña rusa	atracciones	entretenimiento	feria	parque
roller-skate	patines	patín	patín de 4 ruedas	patín de cuatro ruedas
rolling-on-the-floor-laughing	cara revolviéndose de la risa	cara	carcajada	ojos cerrados	risa
rooster	gallo	ave	gallina	gallinácea	pollo
rose	rosa	flor
rosette	roseta	flor	planta
round-pushpin	chincheta redonda	chincheta
rugby-football	balón de rugby	balón	deporte	rugby
running-shirt	camiseta sin mangas	banda	camiseta con banda	camiseta de correr	deporte
running-shoe	zapatilla deportiva	calzado	correr	ropa	tenis
sad-but-relieved-face	cara triste pero aliviada	aliviado	cara	decepcionado	menos mal
safety-pin	imperdible	pañal	punk rock
safety-vest	chaleco de seguridad	chaleco	emergencia	seguridad
sagittarius	Sagitario	arquero	zodiaco
sailboat	velero	barco	barco de vela	yate
sake	sake	bar	bebida	botella	restaurante	tazón
salt	sal	condimento	salero
saluting-face	cara saludando	ejército	orden	saludo	sol	sí	vale
sandwich	sándwich	bocadillo	bocata	emparedado
santa-claus	Papá Noel	celebración	claus	navidad	santa
sari	sari	prenda	ropa	vestido
satellite	satélite	espacio	vehículo
satellite-antenna	antena de satélite	antena	comunicación	satélite
sauropod	saurópodo	braquiosaurio	brontosaurio	diplodocus
saxophone	saxofón	instrumento	instrumento musical	música	saxo
scarf	bufanda	abrigo	cuello
school	colegio	edificio	escuela
scientist	profesional de la ciencia	biólogo	científico	físico	investigador	químico
scissors	tijeras	cortar	herramienta
scorpio	Escorpio	escorpión	zodiaco
scorpion	escorpión	escorpio	zodiaco
screwdriver	destornillador	atornillador	herramienta	tornillo
scroll	pergamino	pergamino de papel
seal	foca	león marino
seat	asiento de transporte	asiento	plaza	silla
see-no-evil-monkey	mono con los ojos tapados	cara	mal	mono	prohibido
seedling	planta joven	plantón
selfie	selfi	autofoto	cámara	selfie	teléfono
service-dog	perro de servicio	accesibilidad	apoyo	asistencia	perro	servicio
seven-oclock	7 en punto	7:00	reloj	siete
seven-thirty	siete y media	7:30	reloj
sewing-needle	aguja de coser	aguja	bordado	coser	hilar	punto	tejer
shaking-face	cara temblorosa	shock	temblar	terremoto	vibrar
shallow-pan-of-food	paella	arroz	comida
shamrock	trébol	planta
shark	tiburón	pez
shaved-ice	granizado hawaiano	helado	hielo	postre	raspado
sheaf-of-rice	espiga de arroz	arroz	espiga	planta
shield	escudo	defensa
shinto-shrine	santuario sintoísta	japón	religión	santuario	sintoísmo
ship	barco	vehículo
shooting-star	estrella fugaz	estrella	lluvia
shopping-bags	bolsas de compras	bolsa	compra
shopping-cart	carrito de la compra	carrito	carro	compra	supermercado
shortcake	trozo de tarta	pedazo de tarta	restaurante	tarta
shorts	pantalones cortos	bañador	bermudas	calzoncillos	ropa interior	shorts
shower	ducha	agua	baño
shrimp	gamba	camarón	comida	langostino	marisco
shuffle-tracks-button	reproducción aleatoria	cruzado	flechas	flechas entrecruzadas
shushing-face	cara pidiendo silencio	callado	silencio
sign-of-the-horns	mano haciendo el signo de cuernos	cuernos	dedo	mano	rock
singer	cantante	artista	estrella	rock
six-oclock	6 en punto	6:00	reloj	seis
six-thirty	seis y media	6:30	reloj
skateboard	monopatín	skateboard	tabla
skier	persona esquiando	esquiador	esquí	nieve
skis	esquís	esquí	esquíes	nieve
skull	calavera	cara	cuento	monstruo	muerte
skull-and-crossbones	calavera y huesos cruzados	calavera	cara	huesos	muerte
skunk	mofeta	apestar	hedor	mal olor	peste	tufo
sled	trineo
sleeping-face	cara durmiendo	cara	dormido	sueño	zzz
sleepy-face	cara de sueño	cara	dormir	sueño
slightly-frowning-face	cara con el ceño ligeramente fruncido	cara	ceño	fruncido
slightly-smiling-face	cara sonriendo ligeramente	cara	sonrisa
slot-machine	máquina tragaperras	juego	máquina
sloth	perezoso	gandul	lento	vago
small-airplane	avioneta	avión
small-blue-diamond	rombo azul pequeño	azul	geometría	rombo
small-orange-diamond	rombo naranja pequeño	geometría	naranja	rombo
smiling-cat-with-heart-eyes	gato sonriendo con ojos de corazón	cara	corazón	enamorado	gato
smiling-face	cara sonriente	cara	contorno	relajado	sonrisa
smiling-face-with-halo	cara sonriendo con aureola	cara	halo	sonrisa	ángel
smiling-face-with-heart-eyes	cara sonriendo con ojos de corazón	amor	cara	corazón	sonrisa
smiling-face-with-hearts	cara sonriendo con corazones	adorar	amor	corazones	enamorada	enamorado
smiling-face-with-horns	cara sonriendo con cuernos	cara	cuernos	demonio	sonrisa
smiling-face-with-open-hands	cara con manos abrazando	abrazo	cara	sonrisa
smiling-face-with-smiling-eyes	cara feliz con ojos sonrientes	cara	ojo	rubor	sonrisa	feliz
smiling-face-with-sunglasses	cara sonriendo con gafas de sol	cara	gafas	guay	sol
smiling-face-with-tear	cara sonriente con lágrima	agradecido	aliviado	emocionado	lágrima	orgulloso	sonrisa
smirking-face	cara sonriendo con superioridad	cara	listillo	superioridad
snail	caracol	caracola	molusco
snake	serpiente	culebra	reptil	víbora
sneezing-face	cara estornudando	cara	estornudar	estornudo	pañuelo
snow-capped-mountain	montaña con nieve	frío	montaña	nieve
snowboarder	practicante de snowboard	nieve	snowboard
snowflake	copo de nieve	frío	nieve
snowman	muñeco de nieve con nieve	nieve
snowman-without-snow	muñeco de nieve	muñeco de nieve sin nieve	nieve
soap	jabón	bañarse	enjabonarse	jabonera	lavarse	pastilla
soccer-ball	balón de fútbol	balón	fútbol
socks	calcetines	pies	ropa
soft-ice-cream	cucurucho de helado	cucurucho	dulce	helado	helado de cucurucho	restaurante
softball	pelota de softball	bola	pelota	softball
soon-arrow	flecha SOON	flecha	soon	soon con flecha a la derecha
sos-button	símbolo de socorro	ayuda	socorro	sos	símbolo
spade-suit	palo de picas	carta	juego	palo	picas
spaghetti	espagueti	pasta	restaurante
sparkle	chispa	*
sparkler	bengala	celebración	fuegos artificiales
sparkles	chispas	*	bengala	estrellas
sparkling-heart	corazón brillante	amor	brillante	emoción
speak-no-evil-monkey	mono con la boca tapada	cara	mal	mono	prohibido
speaker-high-volume	altavoz a volumen alto	altavoz	alto	volumen alto
speaker-low-volume	altavoz a volumen bajo	volumen bajo
speaker-medium-volume	altavoz a volumen medio	altavoz con volumen medio	medio	volumen medio
speaking-head	cabeza parlante	cabeza	cara	hablar	silueta
speech-balloon	bocadillo de diálogo	bocadillo	conversación	cómic	diálogo
speedboat	lancha motora	barco	vehículo
spider	araña	insecto
spider-web	tela de araña	araña	tela	telaraña
spiral-calendar	calendario de espiral	calendario	espiral
spiral-notepad	bloc de notas de espiral	bloc	cuaderno	espiral	notas
spiral-shell	caracola	concha	espiral
sponge	esponja	absorbente	limpiar	poroso
spoon	cuchara	cubiertos	cucharilla
sport-utility-vehicle	vehículo deportivo utilitario	camping	caravana	furgoneta	vacaciones	vehículo
sports-medal	medalla deportiva	medalla	premio
spouting-whale	ballena soltando un chorro	ballena	chorro de agua
squid	calamar	comida	molusco
squinting-face-with-tongue	cara con ojos cerrados y lengua fuera	cara	lengua	ojo	sabor
stadium	estadio
star	estrella	estelar
star-and-crescent	media luna y estrella	estrella	islam	luna	religión
star-of-david	estrella de David	david	estrella	judaísmo	religión
star-struck	cara sonriendo con estrellas	cara	estrellas	sonrisa
station	estación de tren	estación	tren
statue-of-liberty	Estatua de la Libertad	estatua	libertad
steaming-bowl	tazón de fideos	fideos calientes	fideos chinos	fideos ramen	ramen
stethoscope	estetoscopio	corazón	doctor	fonendoscopio	latido	medicina	médico
stop-button	detener	botón	cuadrado	parar
stop-sign	señal de stop	octágono	parada	señal	stop
stopwatch	cronómetro	reloj
straight-ruler	regla
strawberry	fresa	fresón	fruta
student	estudiante	graduado	licenciado	universitario
studio-microphone	micrófono de estudio	estudio	micrófono	música
stuffed-flatbread	pan relleno	comida	durum	falafel	kebab	pan de pita
sun	sol	espacio	rayos	soleado
sun-behind-cloud	sol detrás de una nube	nube	sol	sol con nubes
sun-behind-large-cloud	sol detrás de una nube grande	nube	sol
sun-behind-rain-cloud	sol detrás de una nube con lluvia	lluvia	nube	sol
sun-behind-small-cloud	sol detrás de una nube pequeña	nube	sol
sun-with-face	sol con cara	brillante	cara	sol
sunflower	girasol	flor	sol
sunglasses	gafas de sol	gafas	ojo	oscuras	sol
sunrise	amanecer	salida del sol
sunrise-over-mountains	amanecer sobre montañas	amanecer	montaña	salida	sol
sunset	puesta del sol	edificios
superhero	personaje de superhéroe	bien	heroína	héroe	superheroína	superhéroe	superpoder
supervillain	personaje de supervillano	mal	superpoder	supervillana	supervillano	villana	villano
sushi	sushi	restaurante
suspension-railway	ferrocarril de suspensión	ferrocarril	suspensión	vehículo
swan	cisne	ave	patito feo
sweat-droplets	gotas de sudor	cómic	emoción	sudor
synagogue	sinagoga	judaísmo	religión
syringe	jeringuilla	aguja	jeringa	medicina	médico
t-rex	t-rex	tiranosaurio	tiranosaurio rex
t-shirt	camiseta	ropa
taco	taco	comida	mexicano
takeout-box	caja para llevar	recipiente para llevar	restaurante
tamale	tamal	mejicano	mexicano	wrap
tanabata-tree	árbol de tanabata	celebración	festividad	tanabata	árbol
tangerine	mandarina	fruta	naranja
taurus	Tauro	buey	toro	zodiaco
taxi	taxi	coche	vehículo
teacher	docente	educador	enseñanza	instructor	maestro	profesor
teacup-without-handle	tazón de té	bebida	taza	té
teapot	tetera	bebida	infusión	té
tear-off-calendar	calendario recortable	calendario	fecha
technologist	profesional de la tecnología	desarrollador	informático	programador	software	tecnólogo
teddy-bear	osito de peluche	juguete	oso	peluche
telephone	teléfono
telephone-receiver	auricular de teléfono	comunicación	teléfono
telescope	telescopio	astronomía	instrumento
television	televisión	tv
ten-oclock	10 en punto	10:00	diez	reloj
ten-thirty	diez y media	10:30	reloj
tennis	pelota de tenis	deporte	pelota	tenis
tent	tienda de campaña	campaña	camping	tienda	vacaciones
test-tube	tubo de ensayo	ciencia	experimento	laboratorio	química	químico
thermometer	termómetro	temperatura
thinking-face	cara pensativa	cara	duda	pensando
thong-sandal	chancla	chancla de dedo	chancleta	chinela	sandalia
thought-balloon	bocadillo de pensamiento	bocadillo	burbuja	cómic	pensamiento
thread	hilo	aguja	carrete	coser	costura
three-oclock	3 en punto	3:00	reloj	tres
three-thirty	tres y media	3:30	reloj
thumbs-down	pulgar hacia abajo	abajo	mano	pulgar	señal
thumbs-up	pulgar hacia arriba	arriba	mano	pulgar	señal
ticket	tique	acceso	admisión
tiger	tigre	felino
tiger-face	cara de tigre	cara	tigre
timer-clock	temporizador	reloj
tired-face	cara cansada	cansado	cara
toilet	inodoro	baño	váter	wc
tokyo-tower	Torre de Tokio	tokio	torre
tomato	tomate	ensalada	fruta	verdura
tongue	lengua	cuerpo
tongue-smiley	smiley sacando la lengua	lengua
toolbox	caja de herramientas	armario	herramienta	mecánico
tooth	diente	dentista	molar	muela
toothbrush	cepillo de dientes	cepillo	dental	higiene	limpio	servicio
top-arrow	flecha TOP	arriba	flecha hacia arriba	top	top con flecha hacia arriba
top-hat	sombrero de copa	chistera	copa	ropa	sombrero
tornado	tornado	nube	torbellino
trackball	bola de desplazamiento	ordenador	trackball
tractor	tractor	agricultura	vehículo
trade-mark	símbolo de marca comercial	marca comercial
train	tren	ferrocarril	vehículo
tram	tranvía	transporte	trolebús
tram-car	vagón de tranvía	tranvía	vagón	vehículo
transgender-flag	bandera transgénero	azul	bandera	blanco	lgtb	rosa	transgénero
transgender-symbol	símbolo de transgénero	transgénero
triangular-flag	bandera triangular	bandera	bandera de localización triangular	bandera informativa de localización	localización
triangular-ruler	escuadra	regla	regla triangular	triángulo
trident-emblem	emblema de tridente	ancla	emblema	tridente
troll	trol	cuento de hadas	fantasía	monstruo
trolleybus	trolebús	transporte	tranvía
trophy	trofeo	premio
tropical-drink	bebida tropical	bar	bebida	restaurante	tropical
tropical-fish	pez tropical	pez	tropical
trumpet	trompeta	instrumento	instrumento musical	música
tulip	tulipán	flor
tumbler-glass	vaso de whisky	chupito	copa	licor	vaso	whisky
turkey	pavo	ave
turtle	tortuga	galápago
twelve-oclock	12 en punto	12:00	doce	reloj
twelve-thirty	doce y media	12:30	reloj
two-hearts	dos corazones	amantes	amor	corazón
two-hump-camel	camello	bactriano	desierto	dromedario	jorobas
two-oclock	2 en punto	2:00	dos	reloj
two-thirty	dos y media	2:30	reloj
umbrella	paraguas	lluvia	paraguas abierto
umbrella-on-ground	sombrilla en la arena	arena	sol	sombrilla
umbrella-with-rain-drops	paraguas con gotas de lluvia	gotas	lluvia	paraguas
unamused-face	cara de desaprobación	cara	insatisfacción	rechazo
unicorn	unicornio	cara
unlocked	candado abierto	abierto	abrir	candado
up-arrow	flecha hacia arriba	dirección	flecha	flecha arriba	norte
up-button	botón UP!	arriba	información	novedad	símbolo	up
up-down-arrow	flecha arriba y abajo	abajo	arriba	dirección	flecha
up-left-arrow	flecha hacia la esquina superior izquierda	arriba	dirección	flecha	izquierda	noroeste
up-right-arrow	flecha hacia la esquina superior derecha	arriba	derecha	dirección	flecha	noreste
upside-down-face	cara al revés	cara	revés
upwards-button	triángulo hacia arriba	arriba	botón	botón triángulo hacia arriba	triángulo
vampire	vampiro	drácula	muerto viviente	no muerto
vertical-traffic-light	semáforo	luz	semáforo vertical	señales de tráfico	tráfico
vibration-mode	modo vibración	móvil	teléfono	teléfono celular	vibración
victory-hand	mano con señal de victoria	mano	señal de victoria	victoria
video-camera	videocámara	cámara	vídeo
video-game	mando de videoconsola	juego	mando	videojuego
videocassette	cinta de vídeo	cinta
violin	violín	instrumento	instrumento musical	música
virgo	Virgo	zodiaco
volcano	volcán	erupción	erupción volcánica
volleyball	pelota de voleibol	balón	juego	pelota	voleibol
vs-button	botón VS	contra	frente a	símbolo	versus	vs
vulcan-salute	saludo vulcano	mano	saludo	spock	vulcano
waffle	gofre	waffle
waning-crescent-moon	luna menguante	luna	menguante
waning-gibbous-moon	luna gibosa menguante	gibosa	luna	menguante
warning	advertencia	cuidado	señal
wastebasket	papelera	basura	cubo
watch	reloj
water-buffalo	búfalo de agua	agua	búfalo
water-closet	aseos	lavabo	servicios	wc
water-pistol	pistola de agua	agua	juguete	pistola	verano
water-wave	ola de mar	mar	océano	ola
watermelon	sandía	fruta
waving-hand	mano saludando	agitar	mano	saludar	saludo	hola	adiós
wavy-dash	guion ondulado	guion	marca de sonido largo	ondulado
waxing-crescent-moon	luna creciente	creciente	cuarto	espacio	luna
waxing-gibbous-moon	luna gibosa creciente	creciente	gibosa	luna
weary-cat	gato asustado	cara	gato	preocupación	pánico	sorpresa
weary-face	cara agotada	agotado	cansado	cara
wedding	iglesia celebrando boda	boda	iglesia	romance
whale	ballena	cachalote	cetáceo
wheel	rueda	círculo	girar	neumático	rodar
wheel-of-dharma	rueda del dharma	budismo	dharma	religión	rueda
wheelchair-symbol	símbolo de silla de ruedas	acceso	señal	silla	silla de ruedas	símbolo
white-cane	bastón	accesibilidad	ceguera	ciega	ciego	invidente
white-circle	círculo blanco	círculo	geometría
white-exclamation-mark	exclamación blanca	!	exclamación	puntuación
white-flag	bandera blanca	bandera	blanca	ondear
white-flower	flor blanca	blanca	flor
white-heart	corazón blanco	blanco	corazón	emoción
white-large-square	cuadrado blanco grande	blanco	cuadrado	geometría
white-medium-small-square	cuadrado blanco mediano-pequeño	blanco	cuadrado	geometría
white-medium-square	cuadrado blanco mediano	blanco	cuadrado	geometría
white-question-mark	interrogación blanca	?	interrogación	pregunta	puntuación
white-small-square	cuadrado blanco pequeño	blanco	cuadrado	geometría
white-square-button	botón cuadrado con borde blanco	botón	cuadrado
wilted-flower	flor marchita	flor	marchita	marchitada	marchitarse
wind-chime	campanilla de viento	campanilla	furin	viento
wind-face	cara de viento	cara	nube	soplar	viento
window	ventana	abertura	apertura	cristal	marco	transparente	vista
wine-glass	copa de vino	bar	bebida	copa	vaso	vino
wing	ala	angelical	ave	mitología	pájaro	volar	ángel
winking-face	cara guiñando el ojo	cara	guiño
winking-face-with-tongue	cara sacando la lengua y guiñando un ojo	cara	guiño	lengua	ojo
winking-smiley	smiley guiñando un ojo	guiño
wireless	wifi	conexión	inalámbrica	internet	red	wi-fi
wolf	lobo	cara
woman	mujer	adulta
woman-and-man-holding-hands	mujer y hombre de la mano	hombre	hombre y mujer de la mano	mujer	novios	pareja
woman-artist	artista mujer	mujer	paleta	pintora	pinturas
woman-astronaut	astronauta mujer	astronauta	cohete	espacio	mujer
woman-bald	mujer: sin pelo	adulta	mujer	sin pelo
woman-beard	mujer: barba	barba	mujer
woman-biking	mujer en bicicleta	bicicleta	ciclismo	ciclista	mujer
woman-blond-hair	mujer rubia	mujer	rubia	rubiales
woman-bouncing-ball	mujer botando un balón	balón	botar	mujer	pelota
woman-bowing	mujer haciendo una reverencia	disculpa	gesto	perdón	reverencia
woman-cartwheeling	mujer dando una voltereta lateral	deporte	gimnasia	mujer	rueda	voltereta
woman-climbing	mujer escalando	alpinista	escaladora
woman-construction-worker	profesional de la construcción mujer	albañila	construcción	mujer	obrera	trabajadora
woman-cook	chef mujer	chef	cocinera	mujer	pinche
woman-curly-hair	mujer: pelo rizado	adulta	mujer	pelo rizado
woman-dancing	mujer bailando	bailar	mujer
woman-detective	detective mujer	agente	detective	espía	investigadora	mujer
woman-elf	elfa	mujer	mágico
woman-facepalming	mujer con la mano en la frente	facepalm	frente	incredulidad	mano
woman-factory-worker	profesional industrial mujer	fábrica	montaje	obrera	operaria	trabajadora
woman-fairy	hada mujer	campanilla	hada	titania
woman-farmer	profesional de la agricultura mujer	agricultora	campo	granjera	labradora	mujer
woman-feeding-baby	mujer alimentando a bebé	alimentar	amamantar	bebé	lactancia	mujer
woman-firefighter	bombera	apagafuegos	bombera mujera	camión	manguera
woman-frowning	mujer frunciendo el ceño	ceño	fruncido	gesto	mujer
woman-genie	genio mujer	genio	lámpara
woman-gesturing-no	mujer haciendo el gesto de "no"	gesto	mano	mujer	prohibido
woman-gesturing-ok	mujer haciendo el gesto de "de acuerdo"	gesto	mano	ok	vale
woman-getting-haircut	mujer cortándose el pelo	belleza	corte	pelo	peluquero
woman-getting-massage	mujer recibiendo masaje	cara	facial	masaje	salón
woman-golfing	mujer jugando al golf	golf	jugadora	mujer
woman-guard	guardia mujer	guardia	mujer	vigilante
woman-health-worker	profesional sanitario mujer	doctora	enfermera	médica	sanitaria	terapeuta mujer
woman-in-lotus-position	mujer en posición de loto	meditación	yoga
woman-in-manual-wheelchair	mujer en silla de ruedas manual	accesibilidad	mujer	silla de ruedas
woman-in-motorized-wheelchair	mujer en silla de ruedas eléctrica	accesibilidad	mujer	silla de ruedas
woman-in-steamy-room	mujer en una sauna	sauna	vapor
woman-in-tuxedo	mujer con esmoquin	esmoquin	mujer
woman-judge	fiscal mujer	jueza	justicia	magistrada	mujer
woman-juggling	mujer haciendo malabares	malabares	malabarismo	malabarista	mujer
woman-kneeling	mujer de rodillas	arrodillada	arrodillarse	de rodillas	mujer
woman-lifting-weights	mujer levantando pesas	halterofilia	levantadora de pesas	mujer	pesas
woman-mage	maga	bruja	hechicera
woman-mechanic	profesional de la mecánica mujer	electricista	fontanera	mecánica	mujer	operaria
woman-mountain-biking	mujer en bicicleta de montaña	bicicleta	ciclista	montaña	mountain bike
woman-office-worker	oficinista mujer	directora	ejecutiva	empresa	mujer	oficina	oficinista
woman-pilot	piloto mujer	avión	capitana	mujer	piloto	vuelo
woman-playing-handball	mujer jugando al balonmano	balonmanista	balonmano	deporte	mujer
woman-playing-water-polo	mujer jugando al waterpolo	agua	deporte	waterpolista	waterpolo
woman-police-officer	agente de policía mujer	agente	mujer	poli	policía
woman-pouting	mujer haciendo pucheros	gesto	mujer	pucheros
woman-raising-hand	mujer con la mano levantada	gesto	levantar	mano	mujer
woman-red-hair	mujer: pelo pelirrojo	adulta	mujer	pelo pelirrojo
woman-rowing-boat	mujer remando en un bote	barca	bote	mujer	remo
woman-running	mujer corriendo	carrera	correr	maratón	mujer
woman-scientist	profesional de la ciencia mujer	bióloga	científica	física	mujer	química
woman-shrugging	mujer encogida de hombros	duda	encogerse	hombros	indiferencia
woman-singer	cantante mujer	artista	estrella	mujer	rock
woman-standing	mujer de pie	de pie	levantada	levantarse	mujer
woman-student	estudiante mujer	estudiante	graduada	licenciada	mujer	universitaria
woman-superhero	superheroína	bondad	heroína	héroe	mujer	superhéroe	superpoder
woman-supervillain	supervillana	mal	malvada	mujer	villana
woman-surfing	mujer haciendo surf	mujer	surf	surfera	surfista
woman-swimming	mujer nadando	mujer	nadar
woman-teacher	docente mujer	educadora	instructora	maestra	mujer	profesora
woman-technologist	profesional de la tecnología mujer	desarrolladora	informática	mujer	programadora	tecnóloga
woman-tipping-hand	empleada de mostrador de información	información	mano	mostrador	mujer
woman-vampire	vampiresa	muerta viviente	no muerta
woman-walking	mujer caminando	andar	caminata	marcha	mujer
woman-wearing-turban	mujer con turbante	mujer	turbante
woman-white-hair	mujer: pelo blanco	adulta	mujer	pelo blanco
woman-with-headscarf	mujer con hiyab	hiyab	pañuelo
woman-with-veil	mujer con velo	boda	mujer	novia	velo
woman-with-white-cane	mujer con bastón	accesibilidad	bastón	ciega	invidente	mujer
woman-zombie	zombi mujer	caminante	muerta viviente	no muerta
womans-boot	bota de mujer	bota	calzado	mujer	ropa
womans-clothes	ropa de mujer	blusa	camisa	femenina	ropa
womans-hat	sombrero de mujer	accesorio	mujer	ropa	sombrero
womans-sandal	sandalia de mujer	calzado	mujer	ropa	sandalia
women-holding-hands	mujeres de la mano	lesbianas	mujeres	novias	pareja
women-with-bunny-ears	mujeres con orejas de conejo	bailar	fiesta	mujer	orejas de conejo
women-wrestling	mujeres luchando	deporte	lucha	luchadora	mujer
womens-room	señal de aseo para mujeres	aseo de señoras	baño	servicio	señal	señal con una mujer
wood	madera	hoguera	leña	madero	palos	tronco
woozy-face	cara de grogui	atontado	entonado	grogui	intoxicado	mareado
world-map	mapa mundial	mapa	mapamundi	mundo
worm	gusano	lombriz	oruga	parásito
worried-face	cara preocupada	cara	preocupación	preocupado
wrapped-gift	regalo	celebración	envoltorio	presente	regalo envuelto
wrench	llave inglesa	herramienta
writing-hand	mano escribiendo	escribir	lápiz	mano
x-ray	radiografía	doctor	doctora	esqueleto	huesos	médico	rayos
yarn	ovillo	bola	croché	punto	tejer
yawning-face	cara de bostezo	aburrido	bostezo	cansado	dormido	sueño
yellow-circle	círculo amarillo	amarillo	círculo
yellow-heart	corazón amarillo	amarillo	corazón	emoción
yellow-square	cuadrado amarillo	amarillo	cuadrado
yen-banknote	billete de yen	billete	billete de banco	dinero	yen
yin-yang	yin yang	religión	taoísmo	yang	yin
yo-yo	yoyó	dieta	efecto	fluctuar	juguete
zany-face	cara de loco	grande	ojo	pequeño
zebra	cebra	raya
zipper-mouth-face	cara con la boca cerrada con cremallera	boca	cara	cremallera
zombie	zombi	muerto viviente	no muerto
zzz	símbolo de sueño	cómic	dormir	sueño	zzz
