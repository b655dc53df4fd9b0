// What the game's page and the editor's share: one of our programs run on
// the page's one canvas, the keys and the pointer handed to it, and board
// files fetched, picked or dropped, the board full screen, what changed
// said to assistive technology. situacao tells scripts and embedding pages
// how the program is doing; each page gives it its own name.
'use strict';
const canvas = document.getElementById('tela');
const situacao = { estado: 'carregando', quadros: 0 };
let programa = null; // the running program's module

// Runs program criar (criar_tabuleiro2, criar_editor) on the canvas with
// the command-line arguments of opcoes.argumentos, in folder opcoes.pasta,
// once every file of opcoes.arquivos (name: bytes, a promise of them, or
// null for no file) is written there. situacao.estado becomes opcoes.ativo
// when it starts and 'terminou' when it ends; opcoes.titulo(text),
// opcoes.quadro() and opcoes.terminar(status, what it printed) follow it.
function rodar(criar, opcoes) {
  if (programa) programa.parar();
  let impresso = '';
  const imprimir = (texto) => { impresso += texto + '\n'; };
  Object.assign(situacao, { estado: 'carregando', quadros: 0, saida: undefined });
  const modulo = {
    canvas: canvas,
    arguments: opcoes.argumentos || [],
    print: imprimir,
    printErr: imprimir,
    preRun: [preparar(opcoes.pasta || '/', opcoes.arquivos || {})],
    instantiateWasm: instanciar,
    onRuntimeInitialized: () => { situacao.estado = opcoes.ativo; },
    quadro: () => {
      situacao.quadros++;
      if (opcoes.quadro) opcoes.quadro();
      canvas.dispatchEvent(new Event('quadro'));
    },
    titulo: (texto) => {
      document.title = texto;
      if (opcoes.titulo) opcoes.titulo(texto);
    },
    onExit: (saida) => {
      if (programa !== modulo) return;
      canvas.style.cursor = '';
      Object.assign(situacao, { estado: 'terminou', saida: saida });
      opcoes.terminar(saida, impresso);
    },
    falhar: (erro) => {
      modulo.parar();
      imprimir(String(erro));
      modulo.onExit(1);
    },
  };
  programa = modulo;
  criar(modulo);
}

// A program whose code traps (a fault the browser catches) ends with
// status 1 and the error after what it printed, as emscripten ends a main
// that throws, rather than leaving the page on a game that never comes.
function ouvir_falhas() {
  const parou = (erro) => {
    if (erro instanceof WebAssembly.RuntimeError && programa && situacao.estado !== 'terminou') programa.falhar(erro);
  };
  addEventListener('error', (e) => parou(e.error));
  addEventListener('unhandledrejection', (e) => parou(e.reason));
}
ouvir_falhas();

// The page's program, compiled as the page loaded (compilado), instantiated
// for one run with the module's imports.
function instanciar(importacoes, pronto) {
  compilado.then((m) => WebAssembly.instantiate(m, importacoes).then((i) => pronto(i, m)));
  return {};
}

// A program's preRun: it starts in folder pasta once the files are there,
// the images in the root.
function preparar(pasta, arquivos) {
  return (m) => {
    m.addRunDependency('arquivos');
    m.FS.mkdirTree(pasta);
    m.FS.chdir(pasta);
    const escritos = Object.entries(arquivos).map(async ([nome, bytes]) => {
      const b = await bytes;
      if (b) m.FS.writeFile(nome, b);
    });
    escritos.push(imagens.then((lista) => lista.forEach(([nome, b]) => m.FS.writeFile('/' + nome, b))));
    Promise.all(escritos).then(() => m.removeRunDependency('arquivos'));
  };
}

// The images of tabuleiro2.data, fetched and inflated once for every
// program the page runs, as [name, bytes] pairs; none when they cannot be
// had, and the program says which image it misses. Each record of the
// inflated stream: the name, a zero byte, the size in 4 bytes, the bytes.
const imagens = (async () => {
  try {
    const resposta = await fetch('tabuleiro2.data');
    const fluxo = resposta.body.pipeThrough(new DecompressionStream('gzip'));
    const pacote = new Uint8Array(await new Response(fluxo).arrayBuffer());
    const lista = [];
    for (let i = 0, fim; (fim = pacote.indexOf(0, i)) >= 0;) {
      const tamanho = new DataView(pacote.buffer).getUint32(fim + 1, true);
      lista.push([new TextDecoder().decode(pacote.subarray(i, fim)), pacote.subarray(fim + 5, fim + 5 + tamanho)]);
      i = fim + 5 + tamanho;
    }
    return lista;
  } catch (e) {
    return [];
  }
})();

// What another of our programs prints when run to its end, with no canvas,
// on a file; resolves to [status, text].
function consultar(criar, argumentos, pasta, arquivos) {
  return new Promise((pronto) => {
    let impresso = '';
    const imprimir = (texto) => { impresso += texto + '\n'; };
    criar({
      arguments: argumentos,
      print: imprimir,
      printErr: imprimir,
      preRun: [preparar(pasta, arquivos)],
      instantiateWasm: instanciar,
      onExit: (saida) => pronto([saida, impresso]),
    });
  });
}

// The board file of 192 cells, row by row (a link's, a draft's): 12 lines of 16.
function tabuleiro_das_celulas(celulas) {
  return new TextEncoder().encode(celulas.match(/.{16}/g).join('\n') + '\n');
}

// The file at url (relative to the page) as bytes; null when it cannot be had.
async function buscar(url) {
  try {
    const resposta = await fetch(url);
    return resposta.ok ? new Uint8Array(await resposta.arrayBuffer()) : null;
  } catch (e) {
    return null;
  }
}

// A key pressed (1) or released, to the running program.
function tecla(codigo, caractere, pressionada) {
  if (programa && situacao.estado !== 'carregando' && situacao.estado !== 'terminou')
    programa._web_tecla(codigo, caractere, pressionada);
}

// Every key to the program with no click first; those of sem_efeito do
// nothing else on the page (no scrolling, no browser's save). In full
// screen Esc is the browser's: it brings the page back, and the program
// never sees it.
function ouvir_teclado(sem_efeito) {
  const tratar = (evento, pressionada) => {
    if (evento.keyCode === 27 && document.fullscreenElement) {
      if (pressionada) sair_da_tela_cheia();
      return evento.preventDefault();
    }
    const caractere = evento.key.length === 1 ? evento.key.charCodeAt(0) : 0;
    tecla(evento.keyCode, caractere, pressionada);
    if (sem_efeito.has(evento.keyCode)) evento.preventDefault();
  };
  window.addEventListener('keydown', (e) => tratar(e, 1));
  window.addEventListener('keyup', (e) => tratar(e, 0));
}

// The pointer on the canvas, in the screen's own pixels whatever the page's
// scaling, to the program; a drag goes on outside the canvas, as a window's.
function ouvir_ponteiro() {
  const tratar = (evento) => {
    if (!programa || situacao.estado === 'carregando' || situacao.estado === 'terminou') return;
    const caixa = canvas.getBoundingClientRect();
    const x = Math.floor((evento.clientX - caixa.left) * canvas.width / caixa.width);
    const y = Math.floor((evento.clientY - caixa.top) * canvas.height / caixa.height);
    programa._web_rato(x, y, evento.buttons & 7); // left 1, right 2, middle 4, as Allegro's
  };
  canvas.addEventListener('pointerdown', (e) => { canvas.setPointerCapture(e.pointerId); tratar(e); });
  for (const tipo of ['pointermove', 'pointerup', 'pointercancel']) canvas.addEventListener(tipo, tratar);
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
}

// Buttons of the page with data-tecla act as that key, held while pressed.
function ouvir_botoes(botoes) {
  for (const botao of botoes) {
    const codigo = Number(botao.dataset.tecla);
    botao.addEventListener('pointerdown', (e) => { e.preventDefault(); tecla(codigo, 0, 1); });
    for (const tipo of ['pointerup', 'pointercancel', 'pointerleave'])
      botao.addEventListener(tipo, () => tecla(codigo, 0, 0));
  }
}

// A board file of the player's, picked in input#arquivo or dropped on the
// page: abrir(its name, its bytes). A board is 204 bytes; a file past a
// megabyte is some other file, refused before it fills the tab's memory.
function ouvir_arquivos(abrir) {
  const ler = async (arquivo) => {
    if (!arquivo) return;
    if (arquivo.size > 1 << 20) alert(texto('grande', arquivo.name, arquivo.size));
    else abrir(arquivo.name, new Uint8Array(await arquivo.arrayBuffer()));
  };
  document.getElementById('arquivo').addEventListener('change', (e) => ler(e.target.files[0]));
  document.body.addEventListener('dragover', (e) => { e.preventDefault(); document.body.classList.add('arrastando'); });
  document.body.addEventListener('dragleave', () => document.body.classList.remove('arrastando'));
  document.body.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('arrastando');
    ler(e.dataTransfer.files[0]);
  });
}

// Says texto in the page's live region, for assistive technology.
function anunciar(texto) {
  document.getElementById('anuncio').textContent = texto;
}

function sair_da_tela_cheia() {
  if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
}

// Button botao puts elemento full screen and brings it back; it is pressed
// while in full screen. Hidden where the browser has no full screen.
function ouvir_tela_cheia(botao, elemento) {
  botao.hidden = !elemento.requestFullscreen;
  botao.addEventListener('click', () => {
    if (document.fullscreenElement) sair_da_tela_cheia();
    else elemento.requestFullscreen().catch(() => {});
  });
  document.addEventListener('fullscreenchange', () =>
    botao.setAttribute('aria-pressed', document.fullscreenElement === elemento));
}

// A standard gamepad's d-pad (buttons 12 to 15) and left stick act as the
// arrows, Start (9) as Esc, held while held; read at every animation frame
// while one is connected, and never otherwise.
const BOTOES_CONTROLE = [[12, 38], [13, 40], [14, 37], [15, 39], [9, 27]];
const EIXO_INCLINADO = 0.5;
function ouvir_controle() {
  let segurados = new Set(), lendo = false;
  const ler = () => {
    const controles = [...navigator.getGamepads()].filter((c) => c);
    const agora = new Set();
    for (const c of controles) {
      for (const [b, codigo] of BOTOES_CONTROLE) if (c.buttons[b] && c.buttons[b].pressed) agora.add(codigo);
      const [x = 0, y = 0] = c.axes;
      if (x < -EIXO_INCLINADO) agora.add(37);
      if (x > EIXO_INCLINADO) agora.add(39);
      if (y < -EIXO_INCLINADO) agora.add(38);
      if (y > EIXO_INCLINADO) agora.add(40);
    }
    for (const codigo of segurados) if (!agora.has(codigo)) tecla(codigo, 0, 0);
    for (const codigo of agora) if (!segurados.has(codigo)) tecla(codigo, 0, 1);
    segurados = agora;
    lendo = controles.length > 0;
    if (lendo) requestAnimationFrame(ler);
  };
  window.addEventListener('gamepadconnected', () => {
    if (!lendo) requestAnimationFrame(ler);
    lendo = true;
  });
}
